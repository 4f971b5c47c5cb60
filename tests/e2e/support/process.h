// Starting the programs under test and finding and driving their windows.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tools/monitor_capture/child_process.h"
#include "tools/monitor_capture/monitor_hold.h"

// Full path of a program that the build puts beside the running test.
std::string ProgramPath(const char* exeName);

// A fresh, empty folder for one test (under the system's temp folder).
std::string MakeTempDir(const char* tag);
bool FileExists(const std::string& path);
// The whole file, or nothing when it cannot be read.
std::vector<uint8_t> ReadBytes(const std::string& path);

// The first visible top-level window of a process with the given class (TopLevelWindows of
// the monitor capture), polled until the deadline; null when none appeared.
HWND WaitForWindow(DWORD pid, const char* className, DWORD timeoutMs);

std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);
// Presses a button of another process's dialog.
void ClickButton(HWND dialog, int id);
