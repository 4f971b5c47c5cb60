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
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) != IDCANCEL) return FALSE;
      CloseMonitor();
      return TRUE;
    case WM_CLOSE:
      CloseMonitor();
      return TRUE;
    default:
      return FALSE;
  }
}

void CloseMonitor() {
  if (g_handles.monitorDc) ReleaseDC(g_handles.monitorWindow, g_handles.monitorDc);
  if (g_handles.monitorWindow) DestroyWindow(g_handles.monitorWindow);
  g_handles.monitorDc = nullptr;
  g_handles.monitorWindow = nullptr;
}

void LayoutMonitor() {
  HWND window = g_handles.monitorWindow;
  if (!window) return;
  g_handles.monitorDc = GetDC(window);
  if (!g_handles.monitorDc) {
    DestroyWindow(window);
    g_handles.monitorWindow = nullptr;
    return;
  }
  const MonitorImageSize size = FitMonitorImage(WindowRect(GetDlgItem(window, IDC_MONITOR_AREA)),
                                                g_render.headerWidth, g_render.headerHeight, g_render.pictureWidth);
  g_render.imageWidth = size.imageWidth;
  g_render.imageHeight = size.imageHeight;
  g_render.monitorScale = size.monitorScale;
  const WindowPlacement placement = PlaceMonitorWindow(WindowRect(window), size.imageWidth);
  MoveWindow(window, placement.left, placement.top, placement.width, placement.height, TRUE);

  // The user may close the monitor whenever messages are let through.
  PumpMessages(window);
  if (!g_handles.monitorWindow) return;
  HWND area = GetDlgItem(window, IDC_MONITOR_AREA);
  const ScreenRect areaRect = WindowRect(area);
  ShowWindow(area, SW_HIDE);
  g_render.imageLeft = kMonitorImageLeft;
  g_render.imageTop = MonitorImageTop(areaRect, g_render.imageHeight);
  BitBlt(g_handles.monitorDc, g_render.imageLeft, g_render.imageTop, g_render.imageWidth, g_render.imageHeight,
         nullptr, 0, 0, WHITENESS);

  PumpMessages(window);
  if (!g_handles.monitorWindow) return;
  DrawFrame(g_handles.monitorDc, g_render.imageLeft - 1, g_render.imageTop - 1,
            g_render.imageLeft + g_render.imageWidth + 1, g_render.imageTop + g_render.imageHeight + 1);
  PumpMessages(window);
}

void CopyRowToMonitor(int y) {
  if (!g_handles.monitorWindow || !g_handles.monitorDc) return;
  StretchBlt(g_handles.monitorDc, g_render.imageLeft, MonitorRowOf(g_render, y), g_render.imageWidth, 1,
             g_handles.offscreenDc, 0, y, g_render.pictureWidth, 1, SRCCOPY);
}
