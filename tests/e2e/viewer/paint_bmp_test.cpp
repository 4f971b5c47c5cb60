// "-b" under Wine: a BMP painted into a host window, placed, flipped, framed, on the
// background sampled below the rectangle; the BMP corpus painted or refused safely.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "tests/corpus/bmp_corpus.h"
#include "tests/e2e/viewer/paint_fixture.h"
#include "viewer/core/picture_area.h"

namespace {

// Only the rectangle's A x B pixels are painted: rows B and B + 1 and column A keep the
// host's colour, row B + 2 its stripe.
void ExpectPaintedOnlyInside(const ScreenImage& image, int areaWidth, int areaHeight) {
  for (int x = 0; x < kHostWidth; ++x) {
    ASSERT_EQ(image.At(x, areaHeight), kHostColour) << "row B, x " << x;
    ASSERT_EQ(image.At(x, areaHeight + 1), kHostColour) << "row B + 1, x " << x;
    ASSERT_EQ(image.At(x, areaHeight + 2), kStripe) << "row B + 2, x " << x;
  }
  for (int y = 0; y < areaHeight; ++y) ASSERT_EQ(image.At(areaWidth, y), kHostColour) << "column A, y " << y;
}

bool NearFrame(int x, int y, const PictureArea& a) {
  const bool withinX = x >= a.x0 - 1 && x <= a.x0 + a.w + 1;
  const bool withinY = y >= a.y0 - 1 && y <= a.y0 + a.h + 1;
  return (withinX && (std::abs(y - a.y0) <= 1 || std::abs(y - (a.y0 + a.h)) <= 1)) ||
         (withinY && (std::abs(x - a.x0) <= 1 || std::abs(x - (a.x0 + a.w)) <= 1));
}

// The frame's four sides, each within a pixel of its line (a 2-pixel pen); a side on the
// rectangle's far edge shows only its inner pixel.
void ExpectFrame(const ScreenImage& image, const PictureArea& a) {
  EXPECT_TRUE(ColourNear(image, a.x0 + a.w / 2, a.y0, 1, kFrameColour)) << "top";
  EXPECT_TRUE(ColourNear(image, a.x0 + a.w / 2, a.y0 + a.h, 1, kFrameColour)) << "bottom";
  EXPECT_TRUE(ColourNear(image, a.x0, a.y0 + a.h / 2, 1, kFrameColour)) << "left";
  EXPECT_TRUE(ColourNear(image, a.x0 + a.w, a.y0 + a.h / 2, 1, kFrameColour)) << "right";
}

TEST(PaintBmp, PlacesFlipsAndFramesThePictureOnTheSampledBackground) {
  struct Case {
    int width, height;
    bool rowsTopFirst;
    PictureArea expected;
  } cases[] = {
      {200, 100, false, {100, 100, 200, 100}},
      {1000, 500, true, {0, 50, 400, 200}},
      {500, 1000, false, {125, 0, 150, 300}},
      {800, 600, true, {0, 0, 400, 299}},
  };
  const int areaWidth = 400, areaHeight = 300;
  PaintHost host(areaHeight + 2, kStripe);
  ASSERT_TRUE(host.ready());
  const std::string dir = MakeTempDir("paint-bmp");
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << (c.rowsTopFirst ? " snapshot rows" : ""));
    const std::string file = dir + "\\picture.bmp";
    WriteBytes(file, Bmp24(c.width, c.height, c.rowsTopFirst));
    // The rectangle's screen place only finds the window: drawing starts at its client origin.
    ASSERT_EQ(RunPainter("-b " + file + " " + HostRect(25, 15, areaWidth, areaHeight)), 0u);
    const ScreenImage image = host.Capture();
    if (c.width == 200) SaveBmp(image, ArtifactPath("paint_bmp_200x100.bmp"));
    ExpectPaintedOnlyInside(image, areaWidth, areaHeight);
    const PictureArea& a = c.expected;
    ExpectFrame(image, a);
    for (int y = 0; y < areaHeight; ++y) {
      for (int x = 0; x < areaWidth; ++x) {
        if (NearFrame(x, y, a)) continue;
        const bool inside = x >= a.x0 && x < a.x0 + a.w && y >= a.y0 && y < a.y0 + a.h;
        uint32_t expected = kStripe;
        if (inside) {
          // Shrinking drops rows and columns: leave two pixels either side of the edges.
          if (std::abs(x - (a.x0 + a.w / 4)) <= 2 || std::abs(y - (a.y0 + a.h / 2)) <= 2) continue;
          const double v = (y - a.y0 + 0.5) / a.h;
          expected = Logical((x - a.x0 + 0.5) / a.w, c.rowsTopFirst ? v : 1.0 - v);
        }
        ASSERT_EQ(image.At(x, y), expected) << "at " << x << "," << y;
      }
    }
    ASSERT_TRUE(host.Restore());
  }
}

TEST(PaintBmp, CorpusPaintsEveryGoodFileAndRefusesTheBadOnes) {
  const int areaWidth = 60, areaHeight = 40;
  PaintHost host(areaHeight + 2, kStripe);
  ASSERT_TRUE(host.ready());
  const std::string dir = MakeTempDir("paint-corpus");
  int painted = 0, refused = 0, safe = 0;
  for (const CorpusFile& file : BmpCorpus()) {
    SCOPED_TRACE(file.name);
    const std::string path = dir + "\\" + file.name + ".bmp";
    WriteBytes(path, file.bytes);
    const DWORD result = RunPainter("-b " + path + " " + HostRect(0, 0, areaWidth, areaHeight));
    const ScreenImage image = host.Capture();
    if (file.expect == CorpusExpect::kRefused) {
      EXPECT_EQ(result, static_cast<DWORD>(-1));
      EXPECT_TRUE(host.Untouched(image));
      ++refused;
      continue;
    }
    ASSERT_EQ(result, 0u);
    ExpectPaintedOnlyInside(image, areaWidth, areaHeight);
    EXPECT_EQ(image.At(0, 0), kStripe);
    if (file.expect == CorpusExpect::kSafe) {
      ++safe;
    } else if (file.expect == CorpusExpect::kTooLargeToConvert) {
      for (int y = 0; y < areaHeight; ++y) {
        for (int x = 0; x < areaWidth; ++x) ASSERT_EQ(image.At(x, y), kStripe) << "at " << x << "," << y;
      }
      ++safe;
    } else {
      const PictureArea a = PlacePicture(file.width, file.height, areaWidth, areaHeight);
      EXPECT_TRUE(ColourNear(image, a.x0 + a.w / 2, a.y0, 1, kFrameColour));
      for (int y = 1; y + 1 < a.h; ++y) {
        for (int x = 1; x + 1 < a.w; ++x) {
          ASSERT_EQ(image.At(a.x0 + x, a.y0 + y), PaintedColour(file, x, y)) << "picture " << x << "," << y;
        }
      }
      ++painted;
    }
    ASSERT_TRUE(host.Restore());
  }
  std::cout << "BMP corpus under Wine: " << painted << " painted exactly, " << safe << " painted safely, "
            << refused << " refused\n";
}


// A file too large for the viewer's memory (a sparse one, nearly 4 GiB): the one message
// box of the viewer shows, and nothing is painted.
TEST(PaintBmp, FileTooLargeForMemoryShowsTheMessageBoxAndPaintsNothing) {
  PaintHost host(42, kStripe);
  ASSERT_TRUE(host.ready());
  const std::string path = MakeTempDir("paint-huge") + "\\huge.bmp";
  {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size;
    size.QuadPart = 0xF0000000LL;
    ASSERT_TRUE(SetFilePointerEx(file, size, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(file));
    CloseHandle(file);
  }
  TestProcess viewer(ProgramPath("QexView.exe"), "-b " + path + " " + HostRect(0, 0, 60, 40));
  HWND box = WaitForWindow(viewer.pid(), "#32770", 20000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WindowText(box), "Error");
  EXPECT_EQ(ItemText(box, 0xFFFF), "Unable to allocate memory for image data.");
  ClickButton(box, IDOK);
  EXPECT_EQ(viewer.Wait(20000), static_cast<DWORD>(-1));
  EXPECT_TRUE(host.Untouched(host.Capture()));
  DeleteFileA(path.c_str());
}

}  // namespace
