// The "-f" command: renders a preview file while the monitor shows it, saves the picture as
// a BMP over the file and draws the job's vector overlay on the monitor.
#include <string>

#include "viewer/core/command_line.h"
#include "viewer/core/preview_file.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/win32/commands.h"
#include "viewer/win32/dib_image.h"
#include "viewer/win32/monitor_window.h"
#include "viewer/win32/offscreen_picture.h"
#include "viewer/win32/viewer_state.h"

namespace {

// The renderer's calls into the monitor and the off-screen bitmap.
class MonitorObserver : public RenderObserver {
 public:
  bool CreateSurface(const RenderState& state) override {
    return CreateOffscreenPicture(state.pictureWidth, state.pictureHeight);
  }
  void LayoutMonitor(RenderState& state) override { ::LayoutMonitor(state); }
  bool MonitorOpen() const override { return static_cast<bool>(g_handles.monitorWindow); }
  void Pump() override { PumpMessages(g_handles.monitorWindow.get()); }
  void CopyRow(const RenderState& state, int y) override {
    // The whole picture is transferred again before the snapshot; a row outside the picture
    // or refused here only leaves the monitor row as it was.
    TransferPictureRows(state.picture, y, 1);
    CopyRowToMonitor(state, y);
  }
};

int SaveSnapshot(const char* fileName) {
  const MemoryPicture& picture = g_render.picture;
  if (!TransferPictureRows(picture, 0, picture.height())) return -1;
  return SaveBitmapAsBmp(fileName, g_handles.offscreen.bitmap()) == 1 ? 0 : -1;
}

}  // namespace

int RenderPreviewCommand(const char* commandLine, HINSTANCE instance) {
  std::string fileName;
  if (!ParseFileCommand(commandLine, "-f", &fileName)) return -1;
  g_render.ClearPlacementAndPicture();
  CloseMonitor();
  ReleasePicture();

  g_handles.monitorWindow.reset(
      CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MONITOR), nullptr, MonitorDialogProc, 0));
  if (g_handles.monitorWindow) ShowWindow(g_handles.monitorWindow.get(), SW_SHOW);

  MonitorObserver observer;
  int result = ReadPreviewFile(fileName.c_str(), g_render, observer);
  if (result == 0) result = SaveSnapshot(fileName.c_str());
  if (result != 0) {
    DeleteFileA(fileName.c_str());
    ReleasePicture();
    CloseMonitor();
    return -1;
  }
  ReleasePicture();
  DrawMonitorOverlay(fileName);
  CloseMonitor();
  return 0;
}
