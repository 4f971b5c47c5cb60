// The last step of the "-f" command: the job's vector overlay drawn over the monitor.
#include "viewer/core/monitor_layout.h"
#include "viewer/win32/commands.h"
#include "viewer/win32/monitor_window.h"
#include "viewer/win32/viewer_state.h"

void DrawMonitorOverlay(const std::string& fileName) {
  // Without the monitor there is no window to take the overlay's rectangle from.
  if (!g_handles.monitorWindow) return;
  const ScreenRect area = OverlayRect(WindowRect(g_handles.monitorWindow.get()));
  PaintVectorCommand(FormatRectCommand("-v", fileName, area).c_str(), 0);
}
