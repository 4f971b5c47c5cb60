// The last step of the "-f" command: the job's vector overlay drawn over the monitor.
#include "viewer/core/command_line.h"
#include "viewer/core/monitor_layout.h"
#include "viewer/win32/commands.h"
#include "viewer/win32/monitor_window.h"
#include "viewer/win32/viewer_state.h"

void DrawMonitorOverlay(const std::string& fileName) {
  // Without the monitor there is no window to take the overlay's rectangle from.
  RECT window{};
  if (!g_handles.monitorWindow || !GetWindowRect(g_handles.monitorWindow, &window)) return;
  const PixelRect area = OverlayRect({window.left, window.top, window.right, window.bottom});
  const ScreenRect rect{area.left, area.top, area.right, area.bottom};
  PaintVectorCommand(FormatRectCommand("-v", fileName, rect).c_str(), 0);
}
