// The "-f" command end to end: snapshots equal to the native rendering, the monitor window
// while rendering, Esc on the monitor, malformed jobs and a second copy.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "tests/e2e/support/process.h"
#include "tests/e2e/support/screen.h"
#include "tests/e2e/viewer/paint_fixture.h"
#include "viewer/core/monitor_layout.h"

namespace {

const DWORD kTimeout = 60000;
const char kSlowJob[] = "fullbed";

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t U16(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }

std::vector<std::string> SampleNames() {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((SamplesDir() + "\\*.PRN").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string file = found.cFileName;
    names.push_back(file.substr(0, file.size() - 4));
  } while (FindNextFileA(find, &found));
  FindClose(find);
  return names;
}

// Copies a sample job (and its overlay file, when it has one) into a fresh folder.
std::string CopyJob(const std::string& name, const char* tag) {
  const std::string dir = MakeTempDir(tag);
  const std::string job = dir + "\\" + name + ".PRN";
  CopyFileA((SamplesDir() + "\\" + name + ".PRN").c_str(), job.c_str(), FALSE);
  CopyFileA((SamplesDir() + "\\" + name + ".VCT").c_str(), (dir + "\\" + name + ".VCT").c_str(), FALSE);
  return job;
}

int DisplayBitsPerPixel() {
  HDC screen = GetDC(nullptr);
  const int bits = GetDeviceCaps(screen, BITSPIXEL);
  ReleaseDC(nullptr, screen);
  return bits;
}

// Holds every thread of a process while the test looks at its window.
class ProcessPause {
 public:
  explicit ProcessPause(DWORD pid) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
      if (entry.th32OwnerProcessID != pid) continue;
      HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID);
      if (thread && SuspendThread(thread) != static_cast<DWORD>(-1)) threads_.push_back(thread);
    }
    CloseHandle(snapshot);
  }
  ~ProcessPause() {
    for (HANDLE thread : threads_) {
      ResumeThread(thread);
      CloseHandle(thread);
    }
  }
  bool paused() const { return !threads_.empty(); }

 private:
  std::vector<HANDLE> threads_;
};

ScreenRect RectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right, r.bottom};
}

// Lets a job run in short slices until `done` holds while it is paused; returns that pause,
// or none when the job ended first.
template <typename Done>
std::unique_ptr<ProcessPause> RunUntil(TestProcess& viewer, Done done) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < kTimeout) {
    auto pause = std::make_unique<ProcessPause>(viewer.pid());
    if (!pause->paused() || viewer.Wait(0) != static_cast<DWORD>(-2)) return nullptr;
    if (done()) return pause;
    pause.reset();
    Sleep(2);
  }
  return nullptr;
}

// The layout hides the area control once the image area is placed.
bool LaidOut(HWND monitor) {
  HWND area = GetDlgItem(monitor, 1000);
  return IsWindow(monitor) && area && !IsWindowVisible(area);
}

// Whether the monitor shows some non-white pixel on the image row 1/`part` of the way down.
bool Grown(HWND monitor, int part) {
  HWND area = GetDlgItem(monitor, 1000);
  if (!IsWindow(monitor) || !area) return false;
  const ScreenRect areaRect = RectOf(area);
  const int imageHeight = areaRect.bottom - areaRect.top - 19;
  const ScreenImage client = CaptureClient(monitor);
  const int y = MonitorImageTop(areaRect, imageHeight) + imageHeight / part;
  if (y < 0 || y >= client.height) return false;
  for (int x = kMonitorImageLeft; x < client.width - 12; ++x) {
    if (client.At(x, y) != 0xFFFFFF) return true;
  }
  return false;
}

// The colour the display shows for a COLORREF drawn on it, as a screen capture reads it.
uint32_t DisplayColor(COLORREF color) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 1, 1);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  SetPixel(memory, 0, 0, color);
  SelectObject(memory, previous);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = 1;
  info.bmiHeader.biHeight = 1;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  uint32_t pixel = 0;
  GetDIBits(memory, bitmap, 0, 1, &pixel, &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixel & 0xFFFFFF;
}

// The 555 pixel that GDI stores for a 32-bit device pixel; untouched white has all bits set.
uint16_t Pixel555(uint32_t pixel) {
  if (pixel == 0xFFFFFFFFu) return 0xFFFF;
  return static_cast<uint16_t>(((pixel >> 9) & 0x7C00) | ((pixel >> 6) & 0x03E0) | ((pixel >> 3) & 0x001F));
}

// Compares a snapshot written on this display with the native 32-bit snapshot: the same
// bytes at 32 bits; at 16 bits 555 bit fields and every pixel as GDI converts it; at 8 bits
// the fixed colour entries, and every pixel whose colour the table holds exactly.
void ExpectSnapshotMatches(const std::vector<uint8_t>& actual, const std::vector<uint8_t>& native) {
  const int bits = DisplayBitsPerPixel();
  ASSERT_GE(native.size(), 54u);
  ASSERT_GE(actual.size(), 54u);
  if (bits == 32) {
    EXPECT_TRUE(actual == native) << "snapshot differs from the native rendering";
    return;
  }
  ASSERT_TRUE(bits == 16 || bits == 8) << "no expectation for a " << bits << "-bit display";
  const int32_t width = static_cast<int32_t>(U32(native, 18));
  const int32_t height = static_cast<int32_t>(U32(native, 22));
  EXPECT_EQ(U16(actual, 0), 0x4D42);
  EXPECT_EQ(U32(actual, 2), actual.size());
  EXPECT_EQ(static_cast<int32_t>(U32(actual, 18)), width);
  EXPECT_EQ(static_cast<int32_t>(U32(actual, 22)), height);
  EXPECT_EQ(U16(actual, 28), bits);
  const uint32_t stride = ((static_cast<uint32_t>(width) * bits + 31) / 32) * 4;
  const uint32_t offBits = U32(actual, 10);
  ASSERT_EQ(offBits, bits == 16 ? 66u : 14u + 40 + 1024);
  ASSERT_EQ(actual.size(), offBits + static_cast<size_t>(stride) * height);
  const uint32_t fixed[] = {0x000000, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  if (bits == 16) {
    EXPECT_EQ(U32(actual, 30), 3u);  // BI_BITFIELDS
    EXPECT_EQ(U32(actual, 54), 0x7C00u);
    EXPECT_EQ(U32(actual, 58), 0x03E0u);
    EXPECT_EQ(U32(actual, 62), 0x001Fu);
  } else {
    for (int i = 0; i < 8; ++i) EXPECT_EQ(U32(actual, 54 + 4 * (i ? 248 + i : 0)), fixed[i]) << i;
  }
  int mismatches = 0;
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t expected = U32(native, U32(native, 10) + (static_cast<size_t>(y) * width + x) * 4);
      const size_t at = offBits + static_cast<size_t>(y) * stride;
      uint32_t got, want;
      if (bits == 16) {
        got = U16(actual, at + 2 * x);
        want = Pixel555(expected);
      } else {
        got = U32(actual, 54 + 4 * actual[at + x]);
        want = expected & 0xFFFFFF;
        if (std::find(std::begin(fixed), std::end(fixed), want) == std::end(fixed)) continue;
      }
      if (got != want && ++mismatches <= 5) {
        ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << got << " for " << expected;
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

class RenderPreview : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(SamplesDir().empty()) << "QEX_VIEWER_SAMPLES names no folder of sample jobs";
    ASSERT_FALSE(SampleNames().empty()) << "no sample jobs in " << SamplesDir();
  }
  static std::vector<uint8_t> Native(const std::string& name) { return ReadBytes(SamplesDir() + "\\" + name + ".bmp"); }
};

}  // namespace

TEST_F(RenderPreview, SnapshotsEqualTheNativeRendering) {
  for (const std::string& name : SampleNames()) {
    SCOPED_TRACE(name);
    const std::string job = CopyJob(name, "render");
    TestProcess viewer(ProgramPath("QexView.exe"), "-f " + job);
    ASSERT_EQ(viewer.Wait(kTimeout), 0u);
    ExpectSnapshotMatches(ReadBytes(job), Native(name));
  }
}

TEST_F(RenderPreview, MonitorShowsThePictureGrowingAndCloses) {
  const std::string job = CopyJob(kSlowJob, "monitor");
  TestProcess viewer(ProgramPath("QexView.exe"), "-f " + job);
  HWND monitor = WaitForWindow(viewer.pid(), "#32770", kTimeout);
  ASSERT_NE(monitor, nullptr);
  char caption[64] = "";
  GetWindowTextA(monitor, caption, sizeof caption);
  EXPECT_STREQ(caption, "QEX Engrave Monitor");
  EXPECT_EQ(GetWindowLongA(monitor, GWL_STYLE) & WS_SYSMENU, 0);
  {
    ASSERT_TRUE(RunUntil(viewer, [monitor] { return LaidOut(monitor); }));
    // Look once the picture has grown a quarter of the way down.
    const auto pause = RunUntil(viewer, [monitor] { return Grown(monitor, 4); });
    ASSERT_TRUE(pause) << "the job ended before the monitor could be looked at";
    RECT window{};
    GetWindowRect(monitor, &window);
    const ScreenImage shot = CaptureScreen(window);
    SaveBmp(shot, ArtifactPath("monitor_" + std::to_string(DisplayBitsPerPixel()) + "bit.bmp"));

    // The window is just wide enough for the fitted picture, whose frame is dark blue.
    HWND area = GetDlgItem(monitor, 1000);
    ASSERT_NE(area, nullptr);
    EXPECT_FALSE(IsWindowVisible(area));
    const std::vector<uint8_t> header = ReadBytes(SamplesDir() + "\\" + std::string(kSlowJob) + ".PRN");
    const std::vector<uint8_t> native = Native(kSlowJob);
    const MonitorImageSize size =
        FitMonitorImage(RectOf(area), U16(header, 0), U16(header, 2), static_cast<int>(U32(native, 18)));
    EXPECT_EQ(window.right - window.left, size.imageWidth + 21);
    POINT origin{0, 0};
    ClientToScreen(monitor, &origin);
    const ScreenRect areaRect = RectOf(area);
    const int imageTop = MonitorImageTop(areaRect, size.imageHeight);
    const ScreenImage client = CaptureClient(monitor);
    // The dark blue pen; a palette display shows it as the nearest blue of its palette.
    const uint32_t frame = client.At(7, imageTop + size.imageHeight / 2);
    if (DisplayBitsPerPixel() > 8) {
      EXPECT_EQ(frame, DisplayColor(RGB(0, 0, 0xAF)));
    } else {
      EXPECT_TRUE(frame > 0 && frame <= 0xFF) << std::hex << frame;
    }
    EXPECT_EQ(client.At(8 + size.imageWidth + 1, imageTop + size.imageHeight / 2), frame);
    EXPECT_EQ(client.At(8 + size.imageWidth / 2, imageTop - 1), frame);
  }
  EXPECT_EQ(viewer.Wait(kTimeout), 0u);
  EXPECT_FALSE(IsWindow(monitor));
}

TEST_F(RenderPreview, EscOrCloseEndsTheMonitorAndRenderingGoesOn) {
  const struct {
    const char* name;
    UINT message;
    WPARAM wParam;
  } closers[] = {{"Esc", WM_KEYDOWN, VK_ESCAPE}, {"WM_CLOSE", WM_CLOSE, 0}};
  for (const auto& closer : closers) {
    SCOPED_TRACE(closer.name);
    const std::string job = CopyJob(kSlowJob, "esc");
    TestProcess viewer(ProgramPath("QexView.exe"), "-f " + job);
    HWND monitor = WaitForWindow(viewer.pid(), "#32770", kTimeout);
    ASSERT_NE(monitor, nullptr);
    {
      const auto pause = RunUntil(viewer, [monitor] { return LaidOut(monitor); });
      ASSERT_TRUE(pause) << "the job ended before the monitor could be closed";
      PostMessageA(monitor, closer.message, closer.wParam, 0);
    }
    bool closedWhileRendering = false;
    while (viewer.Wait(0) == static_cast<DWORD>(-2)) {
      if (!IsWindow(monitor)) {
        closedWhileRendering = true;
        break;
      }
      Sleep(2);
    }
    EXPECT_TRUE(closedWhileRendering);
    ASSERT_EQ(viewer.Wait(kTimeout), 0u);
    ExpectSnapshotMatches(ReadBytes(job), Native(kSlowJob));
  }
}

TEST_F(RenderPreview, SecondCopyDeletesItsJobWhileTheFirstRenders) {
  const std::string first = CopyJob(kSlowJob, "first");
  const std::string second = CopyJob(kSlowJob, "second");
  TestProcess viewer(ProgramPath("QexView.exe"), "-f " + first);
  HWND monitor = WaitForWindow(viewer.pid(), "#32770", kTimeout);
  ASSERT_NE(monitor, nullptr);
  {
    // The first copy is held in the middle of its job while the second one starts.
    const auto pause = RunUntil(viewer, [monitor] { return LaidOut(monitor); });
    ASSERT_TRUE(pause) << "the first job ended before the second copy started";
    TestProcess other(ProgramPath("QexView.exe"), "-f " + second);
    EXPECT_EQ(other.Wait(kTimeout), static_cast<DWORD>(-1));
    EXPECT_FALSE(FileExists(second));
  }
  ASSERT_EQ(viewer.Wait(kTimeout), 0u);
  ExpectSnapshotMatches(ReadBytes(first), Native(kSlowJob));
}

TEST(RenderPreviewFaults, BadJobsAreDeletedWithMinusOne) {
  struct Case {
    const char* name;
    std::string bytes;
  };
  const std::string header("\x20\x00\x10\x00\x0A\x0A", 6);
  const Case cases[] = {
      {"empty file", ""},
      {"short header", std::string("\x20\x00\x10", 3)},
      {"unknown tag", header + std::string("\xFD\xFF", 2)},
      {"short rectangle", header + std::string("\xFE\xFF\x00\x00\x01\x00", 6)},
      {"pen out of range", header + std::string("\xFE\xFF\0\0\0\0\0\0\x04\0\x04\0\x08\0", 14)},
      {"short raster band", header + std::string("\xFF\xFF\0\0\0\0\0\0\x08\0\x02\0\x01\0\0\0", 16)},
  };
  const std::string dir = MakeTempDir("bad");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string job = dir + "\\job.prn";
    std::ofstream(job, std::ios::binary) << c.bytes;
    TestProcess viewer(ProgramPath("QexView.exe"), "-f " + job);
    EXPECT_EQ(viewer.Wait(kTimeout), static_cast<DWORD>(-1));
    EXPECT_FALSE(FileExists(job));
  }
  // A job that does not exist, no name at all, and a name over 255 characters.
  for (const std::string& arguments : {"-f " + dir + "\\missing.prn", std::string("-f"), "-f " + std::string(256, 'n')}) {
    SCOPED_TRACE(arguments.substr(0, 40));
    TestProcess viewer(ProgramPath("QexView.exe"), arguments);
    EXPECT_EQ(viewer.Wait(kTimeout), static_cast<DWORD>(-1));
  }
}
