// Holding a running "-f" job still while its monitor window is looked at.
#include "tools/monitor_capture/monitor_hold.h"

// After windows.h, which it needs.
#include <tlhelp32.h>

#include "common/win32/scoped.h"
#include "viewer/resources/resource_ids.h"

ProcessPause::ProcessPause(DWORD pid) {
  ScopedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  if (!snapshot) return;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot.get(), &entry); more; more = Thread32Next(snapshot.get(), &entry)) {
    if (entry.th32OwnerProcessID != pid) continue;
    HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID);
    if (!thread) continue;
    if (SuspendThread(thread) != static_cast<DWORD>(-1)) {
      threads_.push_back(thread);
    } else {
      CloseHandle(thread);
    }
  }
}

ProcessPause::~ProcessPause() {
  for (auto it = threads_.rbegin(); it != threads_.rend(); ++it) {
    ResumeThread(*it);
    CloseHandle(*it);
  }
}

std::unique_ptr<ProcessPause> RunUntil(HANDLE process, DWORD pid, DWORD timeoutMs, const std::function<bool()>& done) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(2)) {
    auto pause = std::make_unique<ProcessPause>(pid);
    if (WaitForSingleObject(process, 0) != WAIT_TIMEOUT) return nullptr;
    if (pause->paused() && done()) return pause;
  }
  return nullptr;
}

namespace {

struct WindowSearch {
  DWORD pid;
  const char* className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD pid = 0;
  char cls[64] = "";
  GetWindowThreadProcessId(window, &pid);
  GetClassNameA(window, cls, sizeof cls);
  if (pid == search->pid && IsWindowVisible(window) && lstrcmpA(cls, search->className) == 0) {
    search->found.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD pid, const char* className) {
  WindowSearch search{pid, className, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindMonitor(DWORD pid) {
  const std::vector<HWND> dialogs = TopLevelWindows(pid, "#32770");
  return dialogs.empty() ? nullptr : dialogs.front();
}

ScreenRect MonitorAreaRect(HWND monitor) {
  RECT r{};
  GetWindowRect(GetDlgItem(monitor, IDC_MONITOR_AREA), &r);
  return {r.left, r.top, r.right, r.bottom};
}

bool MonitorLaidOut(HWND monitor) { return monitor && !IsWindowVisible(GetDlgItem(monitor, IDC_MONITOR_AREA)); }
