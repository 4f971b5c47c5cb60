// QexView.exe's "-f", "-b", "-v" and "-d" under Wine: snapshots equal to the native rendering
// at every display depth, the monitor window while rendering, Esc and a second copy while a
// job runs; pictures placed, flipped and framed in another program's window, overlays cut to
// the picture area, the BMP test files painted or refused.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "common/little_endian.h"
#include "common/win32/scoped.h"
#include "tests/corpus/bmp_corpus.h"
#include "tests/e2e/support.h"
#include "tools/monitor_capture/monitor_picture.h"
#include "viewer/core/monitor_layout.h"
#include "viewer/core/overlay_picture.h"
#include "viewer/core/picture_area.h"

namespace {

const char kSlowJob[] = "fullbed";
constexpr uint32_t kFrameColour = 0x0000AF, kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

// The sample jobs (NAME.PRN, NAME.VCT) and their native snapshots (NAME.bmp), made by the
// e2e_files fixture (make_files.sh) before these tests.
std::string Sample(const std::string& name, const char* extension) { return BuildPath("samples/" + name + extension); }

// Copies a sample job (and its overlay file) into a fresh folder.
std::string CopyJob(const std::string& name) {
  const std::string job = MakeTempDir("render") + "\\" + name + ".PRN";
  CopyFileA(Sample(name, ".PRN").c_str(), job.c_str(), FALSE);
  CopyFileA(Sample(name, ".VCT").c_str(), (job.substr(0, job.size() - 3) + "VCT").c_str(), FALSE);
  return job;
}

int DisplayBitsPerPixel() { return GetDeviceCaps(ScopedWindowDc(nullptr).get(), BITSPIXEL); }

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

// Only the real program shows: the snapshot it writes through the display's own bitmap conversion.
TEST(RenderPreview, SnapshotsEqualTheNativeRendering) {
  const std::vector<std::string> jobs = FileNames(Sample("*", ".PRN"));
  EXPECT_GE(jobs.size(), 10u) << "the e2e_files fixture makes the sample jobs";
  for (const std::string& file : jobs) {
    const std::string name = file.substr(0, file.size() - 4), job = CopyJob(name);
    SCOPED_TRACE(name);
    ASSERT_EQ(RunViewer("-f " + job), 0u);
    ExpectSnapshotMatches(ReadBytes(job), ReadBytes(Sample(name, ".bmp")));
  }
}

// Only the real program shows: the monitor window's picture and style, its one-copy lock and its Esc key.
// The monitor while the job is held mid-way; a second copy started then deletes its own job
// (not a "-b" picture) and exits -1; Esc closes the monitor while the job renders on to
// the same snapshot.
TEST(RenderPreview, MonitorSecondCopyAndEsc) {
  const std::string job = CopyJob(kSlowJob), second = CopyJob(kSlowJob);
  const std::string picture = MakeTempDir("keep") + "\\keep.bmp";
  std::ofstream(picture) << "x";
  ChildProcess viewer(ProgramPath("QexView.exe"), "-f " + job);
  HWND monitor = nullptr;
  ASSERT_TRUE(RunUntil(viewer.handle(), viewer.pid(), kTimeout, [&] {
    return MonitorLaidOut(monitor = FindMonitor(viewer.pid()));
  })) << "the job ended before its monitor was laid out";
  EXPECT_EQ(WindowText(monitor), "QEX Engrave Monitor");
  EXPECT_EQ(GetWindowLongA(monitor, GWL_STYLE) & WS_SYSMENU, 0);
  {
    MonitorPicture shot;
    const auto pause =
        RunUntil(viewer.handle(), viewer.pid(), kTimeout, [&] { return (shot = CaptureMonitor(monitor)).framed; });
    ASSERT_TRUE(pause) << "the job ended before a capture showed the monitor's framed picture";
    SaveBmp(shot.window, ArtifactPath("monitor_" + std::to_string(DisplayBitsPerPixel()) + "bit.bmp"));
    // The window is just wide enough for the fitted picture, framed in dark blue (on a
    // palette display the nearest blue of its palette).
    const std::vector<uint8_t> header = ReadBytes(Sample(kSlowJob, ".PRN")),
                               native = ReadBytes(Sample(kSlowJob, ".bmp"));
    const MonitorImageSize size = FitMonitorImage(MonitorAreaRect(monitor), GetU16(&header[0]), GetU16(&header[2]),
                                                  static_cast<int>(GetU32(&native[18])));
    EXPECT_EQ(shot.window.width, size.imageWidth + 21);
    const ImageOrigin at = MonitorImageOrigin(MonitorAreaRect(monitor), size.imageHeight);
    EXPECT_EQ(std::vector<int>({shot.image.left, shot.image.top, shot.image.right, shot.image.bottom}),
              std::vector<int>({at.left, at.top, at.left + size.imageWidth, at.top + size.imageHeight}));
    EXPECT_TRUE(DisplayBitsPerPixel() == 32 ? shot.frame == kFrameColour : shot.frame > 0 && shot.frame <= 0xFF)
        << std::hex << shot.frame;

    EXPECT_EQ(RunViewer("-f " + second), static_cast<DWORD>(-1));
    EXPECT_FALSE(FileExists(second));
    EXPECT_EQ(RunViewer("-b " + picture + " 0 0 10 10"), static_cast<DWORD>(-1));
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

// The test picture as meant to be seen, at fractions (u, v) of its width and height: left
// quarter blue, else top half red, bottom half green.
uint32_t Logical(double u, double v) { return u < 0.25 ? kBlue : v < 0.5 ? kRed : kGreen; }

// A 24-bit BMP of that picture; `rowsTopFirst` stores it the way snapshots are.
std::vector<uint8_t> Bmp24(int width, int height, bool rowsTopFirst) {
  const int stride = (width * 3 + 3) & ~3;
  const uint32_t size = 54 + static_cast<uint32_t>(stride) * height;
  std::vector<uint8_t> f(size, 0);
  f[0] = 'B', f[1] = 'M', f[26] = 1, f[28] = 24;
  PutU32(&f[2], size), PutU32(&f[10], 54), PutU32(&f[14], 40);
  PutU32(&f[18], static_cast<uint32_t>(width)), PutU32(&f[22], static_cast<uint32_t>(height));
  for (int stored = 0; stored < height; ++stored) {
    const int y = rowsTopFirst ? stored : height - 1 - stored;
    for (int x = 0; x < width; ++x) {
      const uint32_t c = Logical((x + 0.5) / width, (y + 0.5) / height);
      uint8_t* p = &f[54 + static_cast<size_t>(stored) * stride + x * 3];
      p[0] = c & 0xFF, p[1] = c >> 8 & 0xFF, p[2] = c >> 16 & 0xFF;
    }
  }
  return f;
}

// Whether (x, y) is within a pixel of the frame around the picture area (a 2-pixel pen).
bool NearFrame(int x, int y, const PictureArea& a) {
  const bool withinX = x >= a.x0 - 1 && x <= a.x0 + a.w + 1, withinY = y >= a.y0 - 1 && y <= a.y0 + a.h + 1;
  return (withinX && (std::abs(y - a.y0) <= 1 || std::abs(y - (a.y0 + a.h)) <= 1)) ||
         (withinY && (std::abs(x - a.x0) <= 1 || std::abs(x - (a.x0 + a.w)) <= 1));
}

// Every painting leaves rows B and B + 1 and column A of the host alone, and paints the
// background sampled at (0, B + 2) around the picture area, inside the frame (everywhere
// when nothing is framed).
void ExpectAreaAndFrame(const ScreenImage& image, const PictureArea& a, bool framed = true) {
  for (int x = 0; x < kHostWidth; ++x) {
    ASSERT_EQ(image.At(x, kAreaHeight), kHostColour) << "row B, x " << x;
    ASSERT_EQ(image.At(x, kAreaHeight + 1), kHostColour) << "row B + 1, x " << x;
  }
  for (int y = 0; y < kAreaHeight; ++y) {
    ASSERT_EQ(image.At(kAreaWidth, y), kHostColour) << "column A, y " << y;
    for (int x = 0; x < kAreaWidth; ++x) {
      const bool inside = x >= a.x0 && x < a.x0 + a.w && y >= a.y0 && y < a.y0 + a.h;
      if (framed && (inside || NearFrame(x, y, a))) continue;
      ASSERT_EQ(image.At(x, y), kStripe) << "background at " << x << "," << y;
    }
  }
  if (!framed) return;
  // Each side of the frame within a pixel of its line; one on the far edge shows its inner pixel.
  auto frameNear = [&](int x, int y) {
    for (int d = 0; d < 9; ++d) {
      const int px = x + d % 3 - 1, py = y + d / 3 - 1;
      if (px >= 0 && py >= 0 && image.At(px, py) == kFrameColour) return true;
    }
    return false;
  };
  EXPECT_TRUE(frameNear(a.x0 + a.w / 2, a.y0) && frameNear(a.x0 + a.w / 2, a.y0 + a.h) &&
              frameNear(a.x0, a.y0 + a.h / 2) && frameNear(a.x0 + a.w, a.y0 + a.h / 2));
}
// Each test paints into a host window of its own, restored to its own colours between runs.
class Paint : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(host_.ready()); }
  HostWindow host_;
};

// Only the real program shows: GDI's shrinking of a picture into another program's window.
TEST_F(Paint, BmpIsFittedFlippedAndFramed) {
  // A wide one stored as snapshots are and a tall one stored as usual; unscaled pictures
  // stored both ways up are painted from the corpus.
  const std::string file = MakeTempDir("paint-bmp") + "\\picture.bmp";
  for (const bool rowsTopFirst : {true, false}) {
    const int width = rowsTopFirst ? 1000 : 500, height = 1500 - width;
    SCOPED_TRACE(width);
    WriteBytes(file, Bmp24(width, height, rowsTopFirst));
    // The rectangle's screen place only finds the window: drawing starts at its client origin.
    ASSERT_EQ(RunViewer("-b " + file + HostRect(25, 15)), 0u);
    const ScreenImage image = host_.Capture();
    SaveBmp(image, ArtifactPath("paint_bmp_" + std::to_string(width) + ".bmp"));
    const PictureArea a = PlacePicture(width, height, kAreaWidth, kAreaHeight);
    ExpectAreaAndFrame(image, a);
    for (int y = a.y0; y < a.y0 + a.h; ++y) {
      for (int x = a.x0; x < a.x0 + a.w; ++x) {
        // Shrinking drops rows and columns: leave two pixels either side of the colour edges.
        if (NearFrame(x, y, a) || std::abs(x - (a.x0 + a.w / 4)) <= 2 || std::abs(y - (a.y0 + a.h / 2)) <= 2) continue;
        const double v = (y - a.y0 + 0.5) / a.h;
        ASSERT_EQ(image.At(x, y), Logical((x - a.x0 + 0.5) / a.w, rowsTopFirst ? v : 1.0 - v)) << x << "," << y;
      }
    }
    ASSERT_TRUE(host_.Restore());
  }
}

// Only the real program shows: what GDI paints of each BMP test file in another program's window.
TEST_F(Paint, TestFilesArePaintedShownAsBackgroundOrRefusedAsTabled) {
  const std::string dir = MakeTempDir("paint-corpus");
  for (const CorpusFile& file : BmpCorpus()) {
    SCOPED_TRACE(file.name);
    const std::string path = dir + "\\" + file.name;
    WriteBytes(path, file.bytes);
    const DWORD result = RunViewer("-b " + path + HostRect());
    const ScreenImage image = host_.Capture();
    if (file.expect == CorpusExpect::kRefused) {
      EXPECT_EQ(result, static_cast<DWORD>(-1));
      EXPECT_TRUE(host_.Untouched(image));
      continue;
    }
    ASSERT_EQ(result, 0u);
    const bool picture = file.expect == CorpusExpect::kPicture;
    const PictureArea a = PlacePicture(file.width, file.height, kAreaWidth, kAreaHeight);
    ExpectAreaAndFrame(image, a, picture);
    for (int y = 1; picture && y + 1 < a.h; ++y) {
      for (int x = 1; x + 1 < a.w; ++x)
        ASSERT_EQ(image.At(a.x0 + x, a.y0 + y), PaintedColour(file, x, y)) << x << "," << y;
    }
    ASSERT_TRUE(host_.Restore());
  }
}

// Only the real program shows: GDI's lines, clipped to the picture area, in another program's window.
TEST_F(Paint, OverlayWithAndWithoutTheBmp) {
  const std::string dir = MakeTempDir("paint-vector");
  WriteBytes(dir + "\\job.prn", Bmp24(200, 100, false));
  // Five lines (one cut on both sides, one above and below) of a 200 x 100 overlay at pitch
  // 10, which keeps its size: the picture area is 200 x 100 at (100, 100). No slanted ones: in
  // another process's window Wine draws lines through X, whose ties differ from GDI's.
  const std::vector<uint8_t> overlay = ReadBytes(SourcePath("tests/data/e2e/files/good.VCT"));
  WriteBytes(dir + "\\job.VCT", overlay);
  const PictureArea a = PlacePicture(200, 100, kAreaWidth, kAreaHeight);
  // The memory overlay (equal to GDI's lines, as the GDI tests show) gives each line pixel.
  MemoryPicture lines;
  ASSERT_TRUE(lines.Create(kAreaWidth, kAreaHeight));
  RenderState state;
  ByteCursor in(overlay.data(), overlay.size());
  ASSERT_EQ(DrawOverlayIntoPicture(in, lines, state), 0);
  for (const char* command : {"-v", "-d"}) {
    SCOPED_TRACE(command);
    ASSERT_EQ(RunViewer(command + (" " + dir) + "\\job.prn" + HostRect()), 0u);
    const ScreenImage image = host_.Capture();
    SaveBmp(image, ArtifactPath(std::string("paint_") + (command[1] == 'v' ? "vector" : "both") + ".bmp"));
    ExpectAreaAndFrame(image, a);
    for (int y = a.y0; y < a.y0 + a.h; ++y) {
      for (int x = a.x0; x < a.x0 + a.w; ++x) {
        if (NearFrame(x, y, a)) continue;
        const uint32_t p = lines.Pixel(x, y);
        const uint32_t expected = p != kWhitenessPixel ? p
                                  : command[1] == 'v'  ? kWhite
                                                       : Logical((x - a.x0 + 0.5) / a.w, 1.0 - (y - a.y0 + 0.5) / a.h);
        ASSERT_EQ(image.At(x, y), expected) << x << "," << y;
      }
    }
    ASSERT_TRUE(host_.Restore());
  }
}

}  // namespace
