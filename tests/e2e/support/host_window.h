// A window of the test process that stands for the caller's window: it lives on its own
// thread with its own message loop, so that another process can send it messages (enable,
// disable, ownership) while the test thread waits.
#pragma once
#include <windows.h>

#include <thread>

class HostWindow {
 public:
  // A visible popup window with the given screen rectangle.
  explicit HostWindow(const RECT& area);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  HWND get() const { return window_; }
  // Polls until the window's enabled state is `enabled` or the deadline passes.
  bool WaitEnabled(bool enabled, DWORD timeoutMs) const;

 private:
  void Run(RECT area, HANDLE ready);
  HWND window_ = nullptr;
  std::thread thread_;
};
