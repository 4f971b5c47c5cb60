// A window of the test process that stands for the caller's window.
#include "tests/e2e/support/host_window.h"

namespace {

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HostWindow::HostWindow(const RECT& area) {
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  thread_ = std::thread(&HostWindow::Run, this, area, ready);
  WaitForSingleObject(ready, 10000);
  CloseHandle(ready);
}

HostWindow::~HostWindow() {
  if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
  thread_.join();
}

void HostWindow::Run(RECT area, HANDLE ready) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = HostProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = "QexTestHost";
  RegisterClassA(&windowClass);
  window_ = CreateWindowExA(0, "QexTestHost", "Caller", WS_POPUP | WS_VISIBLE, area.left, area.top,
                            area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                            windowClass.hInstance, nullptr);
  SetEvent(ready);
  if (!window_) return;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool HostWindow::WaitEnabled(bool enabled, DWORD timeoutMs) const {
  const DWORD start = GetTickCount();
  for (;;) {
    if ((IsWindowEnabled(window_) != FALSE) == enabled) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(10);
  }
}
