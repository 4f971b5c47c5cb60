// monitor_capture VIEWER JOB OUT.bmp: runs "VIEWER -f JOB", holds the job in short slices
// until a capture of its monitor window shows the framed picture grown an eighth of the way
// (CaptureMonitor), lets the job finish and writes that capture to OUT.bmp. The exit code is the viewer's; 2 for bad
// usage and 3 when the viewer could not be started or the job ended before such a capture.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tools/monitor_capture/child_process.h"
#include "tools/monitor_capture/monitor_hold.h"
#include "tools/monitor_capture/monitor_picture.h"

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

  MonitorPicture picture;
  const bool captured = static_cast<bool>(RunUntil(viewer.handle(), viewer.pid(), kTimeoutMs, [&] {
    picture = CaptureMonitor(FindMonitor(viewer.pid()));
    return picture.framed;
  }));
  const DWORD code = viewer.Wait(kTimeoutMs);
  if (code == ChildProcess::kRunning) return Fail("the viewer did not end");
  if (!captured) return Fail("the job ended before a capture showed its monitor with the framed picture grown");
  if (!SaveBmp(picture.window, argv[3])) return Fail("cannot write the capture");
  return static_cast<int>(code);
}
