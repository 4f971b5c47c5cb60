// "-v" and "-d" under Wine: overlays painted with and without background, mirrored in x
// only, cut to the picture area; failing commands paint nothing.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/e2e/viewer/paint_fixture.h"
#include "tools/samplejob/vector_builder.h"

namespace {

constexpr int kAreaWidth = 400, kAreaHeight = 300;
// A 200 x 100 header at pitch 10 keeps its size: the picture area is 200 x 100 at (100, 100).
constexpr int kX0 = 100, kY0 = 100, kW = 200, kH = 100;
constexpr int64_t kUnknown = -1;

struct Line {
  int16_t x1, y1, x2, y2;
  uint16_t pen;
  uint32_t colour;
};
const Line kLines[] = {
    {10, 20, 110, 20, 1, 0xFF0000},    // horizontal
    {50, 30, 50, 80, 2, 0x00FF00},     // vertical
    {-60, 50, 260, 50, 4, 0x0000FF},   // cut on both sides
    {120, -40, 120, 150, 6, 0x00FFFF}, // cut above and below
    {20, 60, 60, 95, 5, 0xFF00FF},     // diagonal
};

std::vector<uint8_t> VectorFile(uint8_t xPitch, const std::vector<Line>& lines, bool withEmptyRecords) {
  VectorBuilder file(kW, kH, xPitch, 10);
  for (const Line& l : lines) file.Polyline(l.pen, {{l.x1, l.y1}, {l.x2, l.y2}});
  if (withEmptyRecords) file.Polyline(3, {}).Polyline(3, {{30, 30}});  // one point: nothing visible
  return file.bytes();
}

std::vector<uint8_t> TestFile(uint8_t xPitch) {
  return VectorFile(xPitch, std::vector<Line>(std::begin(kLines), std::end(kLines)), true);
}

int ScreenX(int x, bool mirrored) { return mirrored ? kX0 + kW - 1 - x : kX0 + x; }

bool InClip(int x, int y) { return x >= kX0 && x < kX0 + kW && y >= kY0 && y < kY0 + kH; }

struct Expected {
  std::vector<int64_t> pixels = std::vector<int64_t>(static_cast<size_t>(kAreaWidth) * kAreaHeight, kUnknown);
  int64_t& At(int x, int y) { return pixels[static_cast<size_t>(y) * kAreaWidth + x]; }

  void FrameUnknown() {
    for (int y = 0; y < kAreaHeight; ++y) {
      for (int x = 0; x < kAreaWidth; ++x) {
        const bool nearV = (std::abs(x - kX0) <= 1 || std::abs(x - (kX0 + kW)) <= 1) && y >= kY0 - 1 && y <= kY0 + kH + 1;
        const bool nearH = (std::abs(y - kY0) <= 1 || std::abs(y - (kY0 + kH)) <= 1) && x >= kX0 - 1 && x <= kX0 + kW + 1;
        if (nearV || nearH) At(x, y) = kUnknown;
      }
    }
  }

  // A 1-pixel line: axis-parallel ones exactly (start in, end out, cut to the picture
  // area); a diagonal one leaves the pixels within one of it unknown.
  void AddLine(const Line& l, bool mirrored) {
    const int x1 = ScreenX(l.x1, mirrored), y1 = kY0 + l.y1, x2 = ScreenX(l.x2, mirrored), y2 = kY0 + l.y2;
    if (x1 == x2 || y1 == y2) {
      const int dx = (x2 > x1) - (x2 < x1), dy = (y2 > y1) - (y2 < y1);
      for (int x = x1, y = y1; x != x2 || y != y2; x += dx, y += dy) {
        if (InClip(x, y)) At(x, y) = l.colour;
      }
      return;
    }
    for (double t = 0; t <= 1.0; t += 0.005) {
      const int x = static_cast<int>(std::lround(x1 + t * (x2 - x1))), y = static_cast<int>(std::lround(y1 + t * (y2 - y1)));
      for (int ny = y - 1; ny <= y + 1; ++ny) {
        for (int nx = x - 1; nx <= x + 1; ++nx) At(nx, ny) = kUnknown;
      }
    }
  }
};

void ExpectImage(const ScreenImage& image, Expected& expected, const Line& diagonal, bool mirrored) {
  for (int y = 0; y < kAreaHeight; ++y) {
    for (int x = 0; x < kAreaWidth; ++x) {
      if (expected.At(x, y) == kUnknown) continue;
      ASSERT_EQ(image.At(x, y), static_cast<uint32_t>(expected.At(x, y))) << "at " << x << "," << y;
    }
  }
  // The diagonal passes within a pixel of every point of its ideal line.
  for (int i = 0; i < 10; ++i) {
    const double t = i / 10.0;
    const int x = ScreenX(static_cast<int>(std::lround(diagonal.x1 + t * (diagonal.x2 - diagonal.x1))), mirrored);
    const int y = kY0 + static_cast<int>(std::lround(diagonal.y1 + t * (diagonal.y2 - diagonal.y1)));
    EXPECT_TRUE(ColourNear(image, x, y, 1, diagonal.colour)) << "diagonal near " << x << "," << y;
  }
}

class CurrentDirectory {
 public:
  explicit CurrentDirectory(const std::string& dir) {
    GetCurrentDirectoryA(MAX_PATH, saved_);
    SetCurrentDirectoryA(dir.c_str());
  }
  ~CurrentDirectory() { SetCurrentDirectoryA(saved_); }

 private:
  char saved_[MAX_PATH] = "";
};

TEST(PaintVector, OverlayWithBackgroundAndOverTheBmpMirroredInXOnly) {
  struct Case {
    const char* command;
    bool mirrored;
  } cases[] = {{"-v", false}, {"-v", true}, {"-d", false}, {"-d", true}};
  PaintHost host(kAreaHeight + 2, kStripe);
  ASSERT_TRUE(host.ready());
  const std::string dir = MakeTempDir("paint-vector");
  const std::string job = dir + "\\job.prn";
  WriteBytes(job, Bmp24(kW, kH, false));
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.command << (c.mirrored ? " mirrored" : ""));
    WriteBytes(dir + "\\job.VCT", TestFile(c.mirrored ? 0xF6 : 10));
    ASSERT_EQ(RunPainter(std::string(c.command) + " " + job + " " + HostRect(0, 0, kAreaWidth, kAreaHeight)), 0u);
    const ScreenImage image = host.Capture();
    SaveBmp(image, ArtifactPath(std::string("paint_") + (c.command[1] == 'v' ? "vector" : "both") +
                                (c.mirrored ? "_mirrored" : "") + ".bmp"));
    Expected expected;
    for (int y = 0; y < kAreaHeight; ++y) {
      for (int x = 0; x < kAreaWidth; ++x) {
        uint32_t colour = kStripe;
        if (InClip(x, y)) {
          colour = c.command[1] == 'v' ? kWhite : Logical((x - kX0 + 0.5) / kW, 1.0 - (y - kY0 + 0.5) / kH);
        }
        expected.At(x, y) = colour;
      }
    }
    expected.FrameUnknown();
    for (const Line& l : kLines) expected.AddLine(l, c.mirrored);
    ExpectImage(image, expected, kLines[4], c.mirrored);
    for (int x = 0; x < kHostWidth; ++x) ASSERT_EQ(image.At(x, kAreaHeight), kHostColour) << "row B, x " << x;
    ASSERT_TRUE(host.Restore());
  }
}

TEST(PaintVector, AnInvalidRecordEndsTheOverlayAfterWhatWasDrawn) {
  PaintHost host(kAreaHeight + 2, kStripe);
  ASSERT_TRUE(host.ready());
  const std::string dir = MakeTempDir("paint-bad-record");
  const std::string job = dir + "\\job.prn";
  const Line& first = kLines[0];
  WriteBytes(dir + "\\job.VCT", VectorFile(10, {first, {0, 0, 100, 0, 8, 0}, {0, 90, 100, 90, 1, 0}}, false));
  EXPECT_EQ(RunPainter("-v " + job + " " + HostRect(0, 0, kAreaWidth, kAreaHeight)), static_cast<DWORD>(-1));
  const ScreenImage image = host.Capture();
  for (int x = first.x1; x < first.x2; ++x) EXPECT_EQ(image.At(kX0 + x, kY0 + first.y1), first.colour) << x;
  EXPECT_EQ(image.At(kX0 + 50, kY0 + 90), kWhite);  // the record after the bad one is not drawn
  EXPECT_EQ(image.At(10, 10), kStripe);
}

TEST(PaintVector, FailingCommandsPaintNothing) {
  PaintHost host(kAreaHeight + 2, kStripe);
  ASSERT_TRUE(host.ready());
  const std::string dir = MakeTempDir("paint-fail");
  const std::vector<uint8_t> overlay = TestFile(10);
  // Names of exactly three characters and less, opened relative to the painter's folder.
  WriteBytes(dir + "\\VCT", overlay);
  WriteBytes(dir + "\\ab", Bmp24(kW, kH, false));
  WriteBytes(dir + "\\good.prn", Bmp24(kW, kH, false));
  WriteBytes(dir + "\\good.VCT", overlay);
  WriteBytes(dir + "\\short.VCT", std::vector<uint8_t>(overlay.begin(), overlay.begin() + 5));
  WriteBytes(dir + "\\badbmp.prn", {'B', 'M', 0, 0});
  WriteBytes(dir + "\\badbmp.VCT", overlay);
  CurrentDirectory inDir(dir);
  const std::string rect = " " + HostRect(0, 0, kAreaWidth, kAreaHeight);
  const std::string cases[] = {
      "-v missing.prn" + rect,
      "-v ab" + rect,
      "-d ab" + rect,
      "-v short.prn" + rect,
      "-v good.prn " + HostRect(0, 0, kAreaWidth, kAreaHeight).substr(0, 7),
      "-v good.prn " + std::to_string(kHostX + 10) + " " + std::to_string(kHostY) + " " +
          std::to_string(kHostX + 9) + " " + std::to_string(kHostY + 10),
      "-d badbmp.prn" + rect,
      "-d missing.prn" + rect,
      "-b missing.bmp" + rect,
      "-b good.prn 1 2 3",
  };
  for (const std::string& arguments : cases) {
    SCOPED_TRACE(arguments);
    EXPECT_EQ(RunPainter(arguments), static_cast<DWORD>(-1));
    ASSERT_TRUE(host.Untouched(host.Capture()));
  }
  // A name of exactly three characters opens the file named VCT.
  EXPECT_EQ(RunPainter("-v abc" + rect), 0u);
  EXPECT_EQ(host.Capture().At(kX0 + 150, kY0 + 80), kWhite);
}

}  // namespace
