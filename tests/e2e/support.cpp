#include "tests/e2e/support.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "common/win32/scoped.h"

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

std::string ArtifactPath(const std::string& name) {
  const std::string dir = ProgramPath("..\\artifacts");
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir + "\\" + name;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::string> FileNames(const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(pattern.c_str(), &found);
  for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found))
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
  return names;
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ReadText(const std::string& path) {
  const std::vector<uint8_t> bytes = ReadBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool WaitUntil(const std::function<bool()>& condition) {
  for (const DWORD start = GetTickCount(); !condition(); Sleep(5))
    if (GetTickCount() - start > kTimeout) return false;
  return true;
}

HWND WaitForWindow(DWORD pid, const char* className) {
  std::vector<HWND> windows;
  WaitUntil([&] { return !(windows = TopLevelWindows(pid, className)).empty(); });
  return windows.empty() ? nullptr : windows.front();
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

std::string VersionLines(const std::string& exePath) {
  DWORD ignored = 0;
  std::vector<char> block(GetFileVersionInfoSizeA(exePath.c_str(), &ignored) + 1);
  if (!GetFileVersionInfoA(exePath.c_str(), 0, static_cast<DWORD>(block.size()), block.data())) return "";
  auto value = [&](const std::string& name) {
    char* text = nullptr;
    UINT length = 0;
    const std::string path = "\\StringFileInfo\\040904B0\\" + name;
    return VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length) && length > 0
               ? std::string(text, strnlen(text, length))
               : "";
  };
  auto numbers = [](DWORD high, DWORD low) {
    std::string text = std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high));
    return low ? text + "." + std::to_string(HIWORD(low)) + "." + std::to_string(LOWORD(low)) : text;
  };
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  const std::string version = value("FileVersion");
  if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) || length < sizeof *fixed ||
      version.empty() || value("ProductVersion") != version ||
      numbers(fixed->dwFileVersionMS, fixed->dwFileVersionLS) != version ||
      numbers(fixed->dwProductVersionMS, fixed->dwProductVersionLS) != version)
    return "";
  return value("InternalName") + "\nVersion " + version;
}

DWORD RunViewer(const std::string& arguments) {
  return ChildProcess(ProgramPath("QexView.exe"), arguments).Wait(kTimeout);
}

namespace {

// The class's background brush paints kStripe; the window paints kHostColour over the top.
LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  const ScopedBrush brush(CreateSolidBrush(RGB(0x33, 0x66, 0x99)));
  const RECT top{0, 0, kHostWidth, kAreaHeight + 2};
  FillRect(dc, &top, brush.get());
  EndPaint(window, &paint);
  return 0;
}

}  // namespace

HostWindow::HostWindow(DWORD exStyle)
    : thread_([this, exStyle] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = HostProc;
        windowClass.lpszClassName = "QexHost";
        windowClass.hbrBackground = CreateSolidBrush(RGB(0xC8, 0xB4, 0x64));
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(exStyle, "QexHost", "Caller", WS_POPUP | WS_VISIBLE, kHostX, kHostY, kHostWidth,
                                  kHostHeight, nullptr, nullptr, nullptr, nullptr);
        threadId_ = GetCurrentThreadId();
        for (MSG msg; GetMessageA(&msg, nullptr, 0, 0) > 0;) DispatchMessageA(&msg);
        DestroyWindow(window_);
      }) {
  SetEnvironmentVariableA("WINEDEBUG", "-all,+synchronous");
  ready_ = WaitUntil([&] { return threadId_ != 0; }) && window_ && Restore();
}

HostWindow::~HostWindow() {
  WaitUntil([&] { return threadId_ != 0; });
  PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
  thread_.join();
}

ScreenImage HostWindow::Capture() const {
  return CaptureScreen(RECT{kHostX, kHostY, kHostX + kHostWidth, kHostY + kHostHeight});
}

bool HostWindow::Untouched(const ScreenImage& image) const {
  if (image.width != kHostWidth || image.height != kHostHeight) return false;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x)
      if (image.At(x, y) != (y < kAreaHeight + 2 ? kHostColour : kStripe)) return false;
  }
  return true;
}

bool HostWindow::Restore() {
  InvalidateRect(window_, nullptr, TRUE);
  return WaitUntil([&] { return Untouched(Capture()); });
}

std::string HostRect(int x, int y, int width, int height) {
  const int left = kHostX + x, top = kHostY + y;
  return " " + std::to_string(left) + " " + std::to_string(top) + " " + std::to_string(left + width - 1) + " " +
         std::to_string(top + height - 1);
}
