// The monitor window of the "-f" command.
#include "viewer/win32/monitor_window.h"

#include "viewer/core/monitor_layout.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/win32/viewer_state.h"

ScreenRect WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right, r.bottom};
}

INT_PTR CALLBACK MonitorDialogProc(HWND, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) != IDCANCEL) return FALSE;
      CloseMonitor();
      return TRUE;
    case WM_CLOSE: CloseMonitor(); return TRUE;
    default: return FALSE;
  }
}

void CloseMonitor() {
  g_handles.monitorDc.reset();
  g_handles.monitorWindow.reset();
}

void LayoutMonitor(RenderState& state) {
  HWND window = g_handles.monitorWindow.get();
  if (!window) return;
  g_handles.monitorDc = ScopedWindowDc(window);
  if (!g_handles.monitorDc) {
    g_handles.monitorWindow.reset();
    return;
  }
  const MonitorImageSize size = FitMonitorImage(WindowRect(GetDlgItem(window, IDC_MONITOR_AREA)), state.headerWidth,
                                                state.headerHeight, state.pictureWidth);
  state.imageWidth = size.imageWidth;
  state.imageHeight = size.imageHeight;
  state.monitorScale = size.monitorScale;
  const WindowPlacement placement = PlaceMonitorWindow(WindowRect(window), size.imageWidth);
  MoveWindow(window, placement.left, placement.top, placement.width, placement.height, TRUE);

  // The user may close the monitor whenever messages are let through.
  PumpMessages(window);
  if (!g_handles.monitorWindow) return;
  HWND area = GetDlgItem(window, IDC_MONITOR_AREA);
  const ScreenRect areaRect = WindowRect(area);
  ShowWindow(area, SW_HIDE);
  const ImageOrigin origin = MonitorImageOrigin(areaRect, state.imageHeight);
  state.imageLeft = origin.left;
  state.imageTop = origin.top;
  HDC dc = g_handles.monitorDc.get();
  BitBlt(dc, state.imageLeft, state.imageTop, state.imageWidth, state.imageHeight, nullptr, 0, 0, WHITENESS);

  PumpMessages(window);
  if (!g_handles.monitorWindow) return;
  DrawFrame(dc, state.imageLeft - 1, state.imageTop - 1, state.imageLeft + state.imageWidth + 1,
            state.imageTop + state.imageHeight + 1);
  PumpMessages(window);
}

void CopyRowToMonitor(const RenderState& state, int y) {
  if (!g_handles.monitorWindow || !g_handles.monitorDc || !g_handles.offscreen) return;
  StretchBlt(g_handles.monitorDc.get(), state.imageLeft, MonitorRowOf(state, y), state.imageWidth, 1,
             g_handles.offscreen.dc(), 0, y, state.pictureWidth, 1, SRCCOPY);
}
