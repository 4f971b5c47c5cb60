// Holding a running "-f" job still while its monitor window is looked at: every thread of
// the viewer is suspended while the caller looks and resumed afterwards.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "viewer/core/command_line.h"

class ProcessPause {
 public:
  explicit ProcessPause(DWORD pid);
  ~ProcessPause();
  ProcessPause(const ProcessPause&) = delete;
  ProcessPause& operator=(const ProcessPause&) = delete;
  bool paused() const { return !threads_.empty(); }

 private:
  std::vector<HANDLE> threads_;
};

// Lets the process run in short slices until `done` holds while it is paused; returns that
// pause, or null when the process ended first or `timeoutMs` passed.
std::unique_ptr<ProcessPause> RunUntil(HANDLE process, DWORD pid, DWORD timeoutMs, const std::function<bool()>& done);

// Visible top-level windows of a process with the given class ("#32770" for dialogs and
// message boxes).
std::vector<HWND> TopLevelWindows(DWORD pid, const char* className);
// The monitor of the viewer process (its visible dialog), or null.
HWND FindMonitor(DWORD pid);
// Screen rectangle of the monitor's image-area control.
ScreenRect MonitorAreaRect(HWND monitor);
// True once the layout has hidden the image-area control.
bool MonitorLaidOut(HWND monitor);
