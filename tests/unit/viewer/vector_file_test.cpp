// The overlay's file name, header, scale and the mapping of its polyline points.
#include <gtest/gtest.h>

#include "tools/samplejob/vector_builder.h"
#include "viewer/core/pen_palette.h"
#include "viewer/core/vector_file.h"

namespace {

// One PolylineRecord without a file header.
std::vector<uint8_t> Record(uint16_t pen, const std::vector<std::pair<int16_t, int16_t>>& points) {
  const std::vector<uint8_t> file = VectorBuilder(0, 0, 0, 0).Polyline(pen, points).bytes();
  return std::vector<uint8_t>(file.begin() + kPreviewHeaderSize, file.end());
}

TEST(VectorFile, OverlayNameReplacesTheLastThreeCharacters) {
  struct Case {
    const char* name;
    bool ok;
    const char* overlay;
  } cases[] = {
      {"C:\\jobs\\JOB.PRN", true, "C:\\jobs\\JOB.VCT"}, {"job.bmpx", true, "job.bVCT"},
      {"abc", true, "VCT"},                              {"ab", false, ""},
      {"", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string overlay = "untouched";
    ASSERT_EQ(OverlayFileName(c.name, &overlay), c.ok);
    EXPECT_EQ(overlay, c.ok ? c.overlay : "untouched");
  }
}

TEST(VectorFile, HeaderPitchSignMeansMirrored) {
  struct Case {
    uint8_t xPitch;
    int mirrored;
    uint8_t pitch;
  } cases[] = {{0x0A, 0, 10}, {0xF6, 1, 10}, {0xFF, 1, 1}, {0x80, 1, 128}, {0x7F, 0, 127}};
  for (const Case& c : cases) {
    const uint8_t data[6] = {0x20, 0x03, 0x58, 0x02, c.xPitch, 200};
    VectorHeader header;
    ASSERT_TRUE(ReadVectorHeader(data, sizeof data, &header));
    EXPECT_EQ(header.width, 800);
    EXPECT_EQ(header.height, 600);
    EXPECT_EQ(header.mirrored, c.mirrored);
    EXPECT_EQ(header.xPitch, c.pitch);
    EXPECT_EQ(header.yPitch, 200);
  }
  const uint8_t shortHeader[5] = {0x20, 0x03, 0x58, 0x02, 10};
  VectorHeader header;
  EXPECT_FALSE(ReadVectorHeader(shortHeader, sizeof shortHeader, &header));
}

// Header 800 x 600, pitches 10, in a 400 x 300 rectangle: the area is 400 x 299 at (0, 0).
TEST(VectorFile, PointsLandScaledAndMirroredInXOnly) {
  struct Case {
    int mirrored;
    int16_t x, y;
    int px, py;
  } cases[] = {
      {0, 100, 50, 50, 25}, {1, 100, 50, 349, 25}, {1, 0, 0, 399, 0},   {0, 0, 0, 0, 0},
      {0, -3, -3, -1, -1},  {1, -3, 7, 400, 3},    {0, 32767, -32768, 16383, -16384},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "mirrored " << c.mirrored << " point " << c.x << "," << c.y);
    RenderState state;
    VectorHeader header{800, 600, 10, 10, c.mirrored};
    const PictureArea area = PlacePicture(800, 600, 400, 300);
    SetOverlayScale(header, area.w, state);
    EXPECT_EQ(state.zoom, 0.5f);
    EXPECT_EQ(state.scaleX, 0.5f);
    EXPECT_EQ(state.headerWidth, 800);
    EXPECT_EQ(state.mirrored, c.mirrored);
    const std::vector<uint8_t> data = Record(3, {{c.x, c.y}});
    size_t offset = 0;
    uint32_t colour = 0;
    std::vector<VectorPoint> points;
    ASSERT_EQ(ReadPolylineRecord(data.data(), data.size(), &offset, state, area, &colour, &points), 0);
    EXPECT_EQ(offset, data.size());
    EXPECT_EQ(colour, PenPalette[3]);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].x, c.px);
    EXPECT_EQ(points[0].y, c.py);
  }
}

TEST(VectorFile, SmallHeaderKeepsItsSizeAndPitchScale) {
  RenderState state;
  const PictureArea area = PlacePicture(200, 100, 400, 300);
  SetOverlayScale(VectorHeader{200, 100, 25, 5, 0}, area.w, state);
  EXPECT_EQ(state.zoom, 1.0f);
  EXPECT_EQ(state.scaleX, 25 * 0.1f);
  EXPECT_EQ(state.scaleY, 5 * 0.1f);
  const std::vector<uint8_t> data = Record(0, {{4, 10}, {-1, 3}});
  size_t offset = 0;
  uint32_t colour = 1;
  std::vector<VectorPoint> points;
  ASSERT_EQ(ReadPolylineRecord(data.data(), data.size(), &offset, state, area, &colour, &points), 0);
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[0].x, 110);  // 100 + trunc(4 x 2.5)
  EXPECT_EQ(points[0].y, 105);  // 100 + trunc(10 x 0.5)
  EXPECT_EQ(points[1].x, 98);   // 100 + trunc(-2.5)
  EXPECT_EQ(points[1].y, 101);
}

TEST(VectorFile, ZeroWidthHeaderGivesAnEmptyAreaWithoutNaN) {
  RenderState state;
  SetOverlayScale(VectorHeader{0, 0, 10, 10, 1}, 0, state);
  EXPECT_EQ(state.zoom, 0.0f);
  EXPECT_EQ(state.scaleX, 0.0f);
}

TEST(VectorFile, RecordsThatAreInvalidOrCutShortFail) {
  RenderState state;
  SetOverlayScale(VectorHeader{100, 100, 10, 10, 0}, 100, state);
  const PictureArea area{0, 0, 100, 100};
  std::vector<uint8_t> twoPoints = Record(7, {{1, 2}, {3, 4}});
  struct Case {
    const char* what;
    std::vector<uint8_t> data;
    int result;
    size_t points;
  } cases[] = {
      {"no points", Record(0, {}), 0, 0},
      {"pen 7", twoPoints, 0, 2},
      {"pen 8", Record(8, {{1, 2}}), -1, 0},
      {"pen 0x0100", Record(0x100, {{1, 2}}), -1, 0},
      {"head cut short", {0, 0, 1}, -1, 0},
      {"points cut short", std::vector<uint8_t>(twoPoints.begin(), twoPoints.end() - 1), -1, 0},
      {"count beyond data", Record(0, {{1, 2}}), 0, 1},
  };
  cases[6].data[2] = 0xFF;
  cases[6].data[3] = 0xFF;
  cases[6].result = -1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    size_t offset = 0;
    uint32_t colour = 0;
    std::vector<VectorPoint> points;
    ASSERT_EQ(ReadPolylineRecord(c.data.data(), c.data.size(), &offset, state, area, &colour, &points), c.result);
    if (c.result == 0) {
      EXPECT_EQ(offset, c.data.size());
      EXPECT_EQ(points.size(), c.points);
    }
  }
}

}  // namespace
