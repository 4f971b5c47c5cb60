// A window for the painting tests: a borderless popup at (40, 30) of 520 x 420 pixels,
// RGB 0x336699 above row 302 and 0xC8B464 from there down (the colours in paint_fixture.h).
#include <windows.h>

namespace {

void Fill(HDC dc, int top, int bottom, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  const RECT area{0, top, 520, bottom};
  FillRect(dc, &area, brush);
  DeleteObject(brush);
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) return 1;
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    Fill(dc, 0, 302, RGB(0x33, 0x66, 0x99));
    Fill(dc, 302, 420, RGB(0xC8, 0xB4, 0x64));
    EndPaint(window, &paint);
    return 0;
  }
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = HostProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "QexPaintHost";
  RegisterClassA(&windowClass);
  if (!CreateWindowExA(WS_EX_TOPMOST, "QexPaintHost", "host", WS_POPUP | WS_VISIBLE, 40, 30, 520, 420, nullptr, nullptr,
                       instance, nullptr)) {
    return 3;
  }
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
