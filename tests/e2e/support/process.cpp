// Starting the programs under test and finding and driving their windows.
#include "tests/e2e/support/process.h"

#include <cstdio>
#include <fstream>
#include <iterator>

std::string ProgramPath(const char* exeName) {
  char path[MAX_PATH];
  const std::string exe(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return exe.substr(0, exe.find_last_of("\\/") + 1) + exeName;
}

std::string MakeTempDir(const char* tag) {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  static int counter = 0;
  for (;;) {
    char dir[MAX_PATH];
    snprintf(dir, sizeof dir, "%sqex-%s-%lu-%d", base, tag, GetCurrentProcessId(), ++counter);
    if (CreateDirectoryA(dir, nullptr)) return dir;
  }
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

HWND WaitForWindow(DWORD pid, const char* className, DWORD timeoutMs) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start <= timeoutMs; Sleep(20)) {
    const std::vector<HWND> windows = TopLevelWindows(pid, className);
    if (!windows.empty()) return windows.front();
  }
  return nullptr;
}

std::string WindowText(HWND window) {
  char text[1024] = "";
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

std::string ItemText(HWND dialog, int id) {
  const HWND item = GetDlgItem(dialog, id);
  return item ? WindowText(item) : std::string();
}

void ClickButton(HWND dialog, int id) {
  if (HWND button = GetDlgItem(dialog, id)) PostMessageA(button, BM_CLICK, 0, 0);
}
