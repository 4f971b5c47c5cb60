// monitor_capture VIEWER JOB OUT.bmp: runs "VIEWER -f JOB", holds the job once its monitor
// shows the picture a quarter grown, writes the monitor window as the screen shows it to
// OUT.bmp, then lets the job finish. The exit code is the viewer's; 2 for bad usage and 3
// when the viewer could not be started or no picture was taken.
#include <windows.h>

#include <cstdio>
#include <string>

#include "common/win32/scoped.h"
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
  std::string commandLine = "\"" + std::string(argv[1]) + "\" -f " + argv[2];
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(argv[1], &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return Fail("cannot start the viewer");
  }
  ScopedHandle process(info.hProcess);
  ScopedHandle thread(info.hThread);

  bool saved = false;
  {
    HWND monitor = nullptr;
    const auto pause = RunUntil(process.get(), info.dwProcessId, kTimeoutMs, [&] {
      monitor = FindMonitor(info.dwProcessId);
      return MonitorLaidOut(monitor) && MonitorGrown(monitor);
    });
    if (pause) {
      RECT window{};
      GetWindowRect(monitor, &window);
      saved = SaveBmp(CaptureScreen(window), argv[3]);
    }
  }
  DWORD code = 3;
  if (WaitForSingleObject(process.get(), kTimeoutMs) != WAIT_OBJECT_0 || !GetExitCodeProcess(process.get(), &code)) {
    TerminateProcess(process.get(), 3);
    return Fail("the viewer did not end");
  }
  if (!saved) return Fail("the job ended before its monitor could be captured");
  return static_cast<int>(code);
}
