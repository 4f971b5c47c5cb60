#include "tools/monitor_capture/child_process.h"

ChildProcess::ChildProcess(const std::string& exe, const std::string& arguments) {
  std::string commandLine = "\"" + exe + "\" " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return;
  }
  process_.reset(info.hProcess);
  thread_.reset(info.hThread);
  pid_ = info.dwProcessId;
}

ChildProcess::~ChildProcess() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 99);
    WaitForSingleObject(process_.get(), 5000);
  }
}

DWORD ChildProcess::Wait(DWORD timeoutMs) {
  DWORD code = kRunning;
  if (process_ && WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process_.get(), &code);
  }
  return code;
}
