// A program started by the caller and ended by it if it still runs when the owner goes.
#pragma once
#include <windows.h>

#include <string>

#include "common/win32/scoped.h"

class ChildProcess {
 public:
  // What Wait returns while the program still runs.
  static constexpr DWORD kRunning = static_cast<DWORD>(-2);

  // Starts `exe` with the command-line text `arguments` after the program name.
  ChildProcess(const std::string& exe, const std::string& arguments);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return static_cast<bool>(process_); }
  DWORD pid() const { return pid_; }
  HANDLE handle() const { return process_.get(); }
  // The exit code, or kRunning when the program did not end within `timeoutMs`.
  DWORD Wait(DWORD timeoutMs);

 private:
  ScopedHandle process_;
  ScopedHandle thread_;
  DWORD pid_ = 0;
};
