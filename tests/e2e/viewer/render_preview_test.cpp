// The "-f" command end to end: snapshots equal to the native rendering at every display
// depth, the monitor window while rendering, Esc and a second copy while a job runs,
// malformed jobs.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <fstream>
#include <memory>
#include <vector>

#include "common/little_endian.h"
#include "common/win32/scoped.h"
#include "tests/e2e/support/process.h"
#include "tests/e2e/support/screen.h"
#include "tests/e2e/viewer/paint_fixture.h"
#include "tools/monitor_capture/monitor_hold.h"
#include "tools/monitor_capture/monitor_picture.h"
#include "viewer/core/monitor_layout.h"

namespace {

const DWORD kTimeout = 60000;
const char kSlowJob[] = "fullbed";

// The sample jobs (NAME.PRN) and their native snapshots (NAME.bmp), made before this test.
std::string Sample(const std::string& name, const char* extension) { return SamplesDir() + "\\" + name + extension; }

// Copies a sample job (and its overlay file) into a fresh folder.
std::string CopyJob(const std::string& name) {
  const std::string job = MakeTempDir("render") + "\\" + name + ".PRN";
  CopyFileA(Sample(name, ".PRN").c_str(), job.c_str(), FALSE);
  CopyFileA(Sample(name, ".VCT").c_str(), (job.substr(0, job.size() - 3) + "VCT").c_str(), FALSE);
  return job;
}

int DisplayBitsPerPixel() { return GetDeviceCaps(ScopedWindowDc(nullptr).get(), BITSPIXEL); }

// Lets a job run in short slices until `done` holds while it is paused.
std::unique_ptr<ProcessPause> RunUntil(ChildProcess& viewer, const std::function<bool()>& done) {
  return ::RunUntil(viewer.handle(), viewer.pid(), kTimeout, done);
}

// A snapshot written on this display against the native 32-bit one: the same bytes at 32
// bits; otherwise the display's depth and rows, at 16 bits 555 bit fields, at 8 bits the
// fixed colour entries.
void ExpectSnapshotMatches(const std::vector<uint8_t>& actual, const std::vector<uint8_t>& native) {
  const uint32_t bits = static_cast<uint32_t>(DisplayBitsPerPixel());
  if (bits == 32) {
    EXPECT_TRUE(actual == native) << "snapshot differs from the native rendering";
    return;
  }
  ASSERT_TRUE(bits == 16 || bits == 8) << "no expectation for a " << bits << "-bit display";
  ASSERT_GE(actual.size(), 66u);
  const uint32_t stride = (GetU32(&native[18]) * bits + 31) / 32 * 4, offBits = bits == 16 ? 66 : 14 + 40 + 1024;
  EXPECT_EQ(std::vector<uint32_t>({GetU16(&actual[0]), GetU32(&actual[2]), GetU32(&actual[10]), GetU32(&actual[18]),
                                   GetU32(&actual[22]), GetU16(&actual[28])}),
            std::vector<uint32_t>({0x4D42, offBits + stride * GetU32(&native[22]), offBits, GetU32(&native[18]),
                                   GetU32(&native[22]), bits}));
  EXPECT_EQ(actual.size(), GetU32(&actual[2]));
  if (bits == 16) {
    EXPECT_EQ(
        std::vector<uint32_t>({GetU32(&actual[30]), GetU32(&actual[54]), GetU32(&actual[58]), GetU32(&actual[62])}),
        std::vector<uint32_t>({3, 0x7C00, 0x03E0, 0x001F}));  // BI_BITFIELDS, 555
    return;
  }
  const uint32_t fixed[] = {0x000000, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(GetU32(&actual[54 + 4 * (i ? 248 + i : 0)]), fixed[i]) << i;
}

}  // namespace

TEST(RenderPreview, SnapshotsEqualTheNativeRendering) {
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(Sample("*", ".PRN").c_str(), &found);
  ASSERT_NE(find, INVALID_HANDLE_VALUE) << "no sample jobs: QEX_VIEWER_SAMPLES names their folder";
  int jobs = 0;
  do {
    const std::string name(found.cFileName, strlen(found.cFileName) - 4);
    SCOPED_TRACE(name);
    const std::string job = CopyJob(name);
    ChildProcess viewer(ProgramPath("QexView.exe"), "-f " + job);
    ASSERT_EQ(viewer.Wait(kTimeout), 0u);
    ExpectSnapshotMatches(ReadBytes(job), ReadBytes(Sample(name, ".bmp")));
    ++jobs;
  } while (FindNextFileA(find, &found));
  FindClose(find);
  EXPECT_GE(jobs, 10);
}

// The monitor while the job is held mid-way; a second copy started then deletes its own job
// (not a "-b" picture) and exits -1; Esc closes the monitor while the job renders on to
// the same snapshot.
TEST(RenderPreview, MonitorSecondCopyAndEsc) {
  const std::string job = CopyJob(kSlowJob), second = CopyJob(kSlowJob);
  const std::string picture = MakeTempDir("keep") + "\\keep.bmp";
  std::ofstream(picture) << "x";
  ChildProcess viewer(ProgramPath("QexView.exe"), "-f " + job);
  HWND monitor = nullptr;
  ASSERT_TRUE(RunUntil(viewer, [&] { return MonitorLaidOut(monitor = FindMonitor(viewer.pid())); }))
      << "the job ended before its monitor was laid out";
  EXPECT_EQ(WindowText(monitor), "QEX Engrave Monitor");
  EXPECT_EQ(GetWindowLongA(monitor, GWL_STYLE) & WS_SYSMENU, 0);
  {
    MonitorPicture shot;
    const auto pause = RunUntil(viewer, [&] { return (shot = CaptureMonitor(monitor)).framed; });
    ASSERT_TRUE(pause) << "the job ended before a capture showed the monitor's framed picture";
    SaveBmp(shot.window, ArtifactPath("monitor_" + std::to_string(DisplayBitsPerPixel()) + "bit.bmp"));
    // The window is just wide enough for the fitted picture, framed in dark blue (on a
    // palette display the nearest blue of its palette).
    const std::vector<uint8_t> header = ReadBytes(Sample(kSlowJob, ".PRN")),
                               native = ReadBytes(Sample(kSlowJob, ".bmp"));
    const MonitorImageSize size = FitMonitorImage(MonitorAreaRect(monitor), GetU16(&header[0]), GetU16(&header[2]),
                                                  static_cast<int>(GetU32(&native[18])));
    EXPECT_EQ(shot.window.width, size.imageWidth + 21);
    const int imageTop = MonitorImageTop(MonitorAreaRect(monitor), size.imageHeight);
    EXPECT_EQ(std::vector<int>({shot.image.left, shot.image.top, shot.image.right, shot.image.bottom}),
              std::vector<int>({8, imageTop, 8 + size.imageWidth, imageTop + size.imageHeight}));
    EXPECT_TRUE(DisplayBitsPerPixel() == 32 ? shot.frame == 0x0000AF : shot.frame > 0 && shot.frame <= 0xFF)
        << std::hex << shot.frame;

    ChildProcess other(ProgramPath("QexView.exe"), "-f " + second);
    EXPECT_EQ(other.Wait(kTimeout), static_cast<DWORD>(-1));
    EXPECT_FALSE(FileExists(second));
    ChildProcess painter(ProgramPath("QexView.exe"), "-b " + picture + " 0 0 10 10");
    EXPECT_EQ(painter.Wait(kTimeout), static_cast<DWORD>(-1));
    EXPECT_TRUE(FileExists(picture));
    PostMessageA(monitor, WM_KEYDOWN, VK_ESCAPE, 0);
  }
  bool closedWhileRendering = false;
  while (!closedWhileRendering && viewer.Wait(0) == ChildProcess::kRunning) {
    closedWhileRendering = !IsWindow(monitor);
    Sleep(2);
  }
  EXPECT_TRUE(closedWhileRendering);
  ASSERT_EQ(viewer.Wait(kTimeout), 0u);
  ExpectSnapshotMatches(ReadBytes(job), ReadBytes(Sample(kSlowJob, ".bmp")));
}

TEST(RenderPreview, BadJobsAreDeletedWithMinusOne) {
  const std::string header("\x20\x00\x10\x00\x0A\x0A", 6);
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"empty file", ""},
      {"unknown tag", header + std::string("\xFD\xFF", 2)},
  };
  const std::string job = MakeTempDir("bad") + "\\job.prn";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::ofstream(job, std::ios::binary) << c.bytes;
    ChildProcess viewer(ProgramPath("QexView.exe"), "-f " + job);
    EXPECT_EQ(viewer.Wait(kTimeout), static_cast<DWORD>(-1));
    EXPECT_FALSE(FileExists(job));
  }
  // A job that does not exist, no name at all, and a name over 255 characters.
  for (const std::string& arguments : {"-f " + job, std::string("-f"), "-f " + std::string(256, 'n')}) {
    SCOPED_TRACE(arguments.substr(0, 40));
    ChildProcess viewer(ProgramPath("QexView.exe"), arguments);
    EXPECT_EQ(viewer.Wait(kTimeout), static_cast<DWORD>(-1));
  }
}
