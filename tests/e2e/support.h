// What the end-to-end tests share: starting the programs under test, finding and driving
// their windows, their files, and a window of known colours for them to paint into or own.
#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "tools/monitor_capture/child_process.h"
#include "tools/monitor_capture/monitor_hold.h"
#include "tools/monitor_capture/screen_capture.h"

constexpr DWORD kTimeout = 60000;

// Full path of a program that the build puts beside the running test.
std::string ProgramPath(const char* exeName);
// A file of the source or the build tree by its "/"-separated name there (on drive Z:).
inline std::string SourcePath(const std::string& name) { return QEX_SOURCE_DIR "/" + name; }
inline std::string BuildPath(const std::string& name) { return QEX_BUILD_DIR "/" + name; }
// A fresh, empty folder for one test (under the system's temp folder).
std::string MakeTempDir(const char* tag);
// Path of a screen capture kept for a person to look at, in the build tree's artifacts.
std::string ArtifactPath(const std::string& name);
bool FileExists(const std::string& path);
// The names of the files that a pattern such as "folder\\*.PRN" matches.
std::vector<std::string> FileNames(const std::string& pattern);
// The whole file, or nothing when it cannot be read.
std::vector<uint8_t> ReadBytes(const std::string& path);
std::string ReadText(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// Polls `condition` until it holds (true) or kTimeout passes (false).
bool WaitUntil(const std::function<bool()>& condition);
// The first visible top-level window of a process with the given class, or null.
HWND WaitForWindow(DWORD pid, const char* className);
std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);
// Presses a button of another process's dialog.
void ClickButton(HWND dialog, int id);

// "<InternalName>\nVersion <FileVersion>" of a built program's version resource; "" when it
// has none or when its fixed file and product numbers and its FileVersion and ProductVersion
// strings do not all name the same version.
std::string VersionLines(const std::string& exePath);

// Runs QexView.exe with the arguments to its end (or kTimeout); its exit code.
DWORD RunViewer(const std::string& arguments);

// The host window's place and colours (0x00RRGGBB, as ScreenImage gives them): kHostColour
// above row kAreaHeight + 2 of its client area, kStripe from there down.
constexpr int kHostX = 40, kHostY = 30, kHostWidth = 520, kHostHeight = 420;
constexpr int kAreaWidth = 400, kAreaHeight = 300;  // the rectangle every painting test uses
constexpr uint32_t kHostColour = 0x336699, kStripe = 0xC8B464;

// A borderless popup of this process at (kHostX, kHostY), with a thread and message loop of
// its own, so that the programs under test can paint into it, or disable and own it, while
// the test waits. Programs started from then on send their X requests synchronously, so that
// what a painter draws reaches the screen before it exits.
class HostWindow {
 public:
  explicit HostWindow(DWORD exStyle = WS_EX_TOPMOST);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  bool ready() const { return ready_; }
  HWND window() const { return window_; }
  ScreenImage Capture() const;
  // True when the window still shows only its own colours.
  bool Untouched(const ScreenImage& image) const;
  // Has the window repaint itself and waits until it shows its own colours again.
  bool Restore();

 private:
  std::atomic<HWND> window_{nullptr};
  std::atomic<DWORD> threadId_{0};
  std::thread thread_;
  bool ready_ = false;
};

// " left top right bottom" in screen coordinates of the rectangle at client point (x, y)
// of the host, of width x height pixels counted with both edges.
std::string HostRect(int x = 0, int y = 0, int width = kAreaWidth, int height = kAreaHeight);
