// monitor_capture VIEWER JOB OUT.bmp: runs "VIEWER -f JOB", holds the job once its monitor
// shows the picture a quarter grown, writes the monitor window as the screen shows it to
// OUT.bmp, then lets the job finish. The exit code is the viewer's; 2 for bad usage and 3
// when the viewer could not be started or no picture was taken.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tools/monitor_capture/child_process.h"
#include "tools/monitor_capture/monitor_hold.h"
#include "tools/monitor_capture/screen_capture.h"

namespace {

constexpr DWORD kTimeoutMs = 60000;

int Fail(const char* what) {
  std::fprintf(stderr, "monitor_capture: %s\n", what);
  return 3;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: monitor_capture VIEWER.exe JOB OUT.bmp\n");
    return 2;
  }
  ChildProcess viewer(argv[1], std::string("-f ") + argv[2]);
  if (!viewer.started()) return Fail("cannot start the viewer");

  bool saved = false;
  {
    HWND monitor = nullptr;
    const auto pause = RunUntil(viewer.handle(), viewer.pid(), kTimeoutMs, [&] {
      monitor = FindMonitor(viewer.pid());
      return MonitorLaidOut(monitor) && MonitorGrown(monitor);
    });
    if (pause) {
      RECT window{};
      GetWindowRect(monitor, &window);
      saved = SaveBmp(CaptureScreen(window), argv[3]);
    }
  }
  const DWORD code = viewer.Wait(kTimeoutMs);
  if (code == ChildProcess::kRunning) return Fail("the viewer did not end");
  if (!saved) return Fail("the job ended before its monitor could be captured");
  return static_cast<int>(code);
}
