// "-b", "-v" and "-d" under Wine: pictures placed, flipped and framed on the sampled
// background, overlays cut to the picture area, the BMP test files painted or refused, failing
// commands painting nothing.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/corpus/bmp_corpus.h"
#include "tests/e2e/viewer/paint_fixture.h"
#include "common/job_file/job_encoding.h"
#include "viewer/core/overlay_picture.h"

using namespace qex;

namespace {

// Each test paints into a host window of its own, restored to its own colours between runs.
class Paint : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(host_.ready()); }
  PaintHost host_;
};

TEST_F(Paint, BmpIsFittedFlippedAndFramed) {
  // Unscaled pictures stored both ways up are painted from the corpus.
  const struct {
    int width, height;
    bool rowsTopFirst;
  } cases[] = {{1000, 500, true}, {500, 1000, false}};
  const std::string file = MakeTempDir("paint-bmp") + "\\picture.bmp";
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
    WriteBytes(file, Bmp24(c.width, c.height, c.rowsTopFirst));
    // The rectangle's screen place only finds the window: drawing starts at its client origin.
    ASSERT_EQ(RunPainter("-b " + file + HostRect(25, 15)), 0u);
    const ScreenImage image = host_.Capture();
    SaveBmp(image, ArtifactPath("paint_bmp_" + std::to_string(c.width) + ".bmp"));
    const PictureArea a = PlacePicture(c.width, c.height, kAreaWidth, kAreaHeight);
    ExpectAreaAndFrame(image, a);
    for (int y = a.y0; y < a.y0 + a.h; ++y) {
      for (int x = a.x0; x < a.x0 + a.w; ++x) {
        // Shrinking drops rows and columns: leave two pixels either side of the colour edges.
        if (NearFrame(x, y, a) || std::abs(x - (a.x0 + a.w / 4)) <= 2 || std::abs(y - (a.y0 + a.h / 2)) <= 2) continue;
        const double v = (y - a.y0 + 0.5) / a.h;
        ASSERT_EQ(image.At(x, y), Logical((x - a.x0 + 0.5) / a.w, c.rowsTopFirst ? v : 1.0 - v)) << x << "," << y;
      }
    }
    ASSERT_TRUE(host_.Restore());
  }
}

TEST_F(Paint, TestFilesArePaintedShownAsBackgroundOrRefusedAsTabled) {
  const std::string dir = MakeTempDir("paint-corpus");
  for (const CorpusFile& file : BmpCorpus()) {
    SCOPED_TRACE(file.name);
    const std::string path = dir + "\\" + file.name;
    WriteBytes(path, file.bytes);
    const DWORD result = RunPainter("-b " + path + HostRect());
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

// Five lines (one cut on both sides, one above and below) of a 200 x 100 overlay at pitch
// 10, which keeps its size: the picture area is 200 x 100 at (100, 100). No slanted ones: in
// another process's window Wine draws lines through X, whose ties differ from GDI's. The
// points are mapped (and mirrored) by the core, as its unit tests show.
const std::vector<uint8_t> kOverlay = JobBytes(200, 100, 10, 10)
                                          .Polyline(1, {{10, 20}, {110, 20}})
                                          .Polyline(2, {{50, 30}, {50, 80}})
                                          .Polyline(4, {{-60, 50}, {260, 50}})
                                          .Polyline(6, {{120, -40}, {120, 150}, {180, 150}})
                                          .Polyline(3, {{30, 30}})
                                          .bytes();

TEST_F(Paint, OverlayWithAndWithoutTheBmp) {
  const std::string dir = MakeTempDir("paint-vector");
  WriteBytes(dir + "\\job.prn", Bmp24(200, 100, false));
  WriteBytes(dir + "\\job.VCT", kOverlay);
  const PictureArea a = PlacePicture(200, 100, kAreaWidth, kAreaHeight);
  // The memory overlay (equal to GDI's lines, as the GDI tests show) gives each line pixel.
  MemoryPicture lines;
  ASSERT_TRUE(lines.Create(kAreaWidth, kAreaHeight));
  RenderState state;
  ByteCursor in(kOverlay.data(), kOverlay.size());
  ASSERT_EQ(DrawOverlayIntoPicture(in, lines, state), 0);
  for (const char* command : {"-v", "-d"}) {
    SCOPED_TRACE(command);
    ASSERT_EQ(RunPainter(command + (" " + dir) + "\\job.prn" + HostRect()), 0u);
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

TEST_F(Paint, FailingCommandsPaintNothing) {
  const std::string dir = MakeTempDir("paint-fail") + "\\";
  for (const char* name : {"ab", "good.prn"}) WriteBytes(dir + name, Bmp24(200, 100, false));
  for (const char* name : {"good.VCT", "badbmp.VCT"}) WriteBytes(dir + name, kOverlay);
  WriteBytes(dir + "short.VCT", std::vector<uint8_t>(kOverlay.begin(), kOverlay.begin() + 5));
  WriteBytes(dir + "badbmp.prn", {'B', 'M', 0, 0});
  // Relative names, so that "ab" has no three characters to replace.
  char saved[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, saved);
  SetCurrentDirectoryA(dir.c_str());
  // The last rectangle's right edge lies left of its left one.
  for (const std::string& arguments :
       {"-v missing.prn" + HostRect(), "-v ab" + HostRect(), "-d ab" + HostRect(), "-v short.prn" + HostRect(),
        "-v good.prn" + HostRect().substr(0, 8), "-d badbmp.prn" + HostRect(), "-b missing.bmp" + HostRect(),
        "-v good.prn" + HostRect(10, 0, 0, 11)}) {
    SCOPED_TRACE(arguments);
    EXPECT_EQ(RunPainter(arguments), static_cast<DWORD>(-1));
    EXPECT_TRUE(host_.Untouched(host_.Capture()));
  }
  SetCurrentDirectoryA(saved);
}

}  // namespace
