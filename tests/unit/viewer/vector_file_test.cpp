// The overlay: points scaled and mirrored in x only, and a bad record ending it.
#include <gtest/gtest.h>

#include "recording_observer.h"
#include "tools/samplejob/vector_builder.h"
#include "viewer/core/overlay_picture.h"
#include "viewer/core/vector_file.h"

namespace {

// A 4 x 3 overlay whose first polyline draws two pixels of row 0, followed by `tail`.
std::vector<uint8_t> AfterOneLine(std::vector<uint8_t> tail) {
  std::vector<uint8_t> file = VectorBuilder(4, 3, 10, 10).Polyline(1, {{0, 0}, {2, 0}}).bytes();
  file.insert(file.end(), tail.begin(), tail.end());
  return file;
}

}  // namespace

TEST(VectorFile, PointsLandScaledAndMirroredInXOnly) {
  // 800 x 600 at pitch 10 into 400 x 300: the area is 400 x 299 at (0, 0), scale 0.5.
  // 200 x 100 at pitches 25 and 5 keeps its size at (100, 100): scales 2.5 and 0.5.
  const VectorHeader big{800, 600, 10, 10, 0}, bigMirrored{800, 600, 10, 10, 1}, small{200, 100, 25, 5, 0};
  const struct { VectorHeader header; int16_t x, y; int px, py; } cases[] = {
      {big, 100, 50, 50, 25},     {bigMirrored, 100, 50, 349, 25}, {bigMirrored, 0, 0, 399, 0},
      {big, -3, -3, -1, -1},      {bigMirrored, -3, 7, 400, 3},    {big, 32767, -32768, 16383, -16384},
      {small, 4, 10, 110, 105},   {small, -1, 3, 98, 101},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.header.width << (c.header.mirrored ? " mirrored " : " ") << c.x << "," << c.y);
    RenderState state;
    const PictureArea area = PlacePicture(c.header.width, c.header.height, 400, 300);
    SetOverlayScale(c.header, area.w, state);
    const std::vector<uint8_t> file = VectorBuilder(0, 0, 0, 0).Polyline(3, {{c.x, c.y}}).bytes();
    ByteCursor in(file.data() + kPreviewHeaderSize, file.size() - kPreviewHeaderSize);
    PolylineRecord record;
    std::vector<VectorPoint> points;
    ASSERT_EQ(ReadPolylineRecord(in, &record), 0);
    ASSERT_EQ(MapPolylinePoints(record, state, area, &points), 0);
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_EQ(record.pen, 3);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(std::make_pair(points[0].x, points[0].y), std::make_pair(c.px, c.py));
  }
}

// The GDI tests show the overlay cut to its area; here a bad record ends it.
TEST(VectorFile, OverlayEndsAtABadRecordAfterWhatWasDrawn) {
  const struct { const char* name; std::vector<uint8_t> file; } bad[] = {
      {"pen 8, then a good line", AfterOneLine({8, 0, 2, 0, 0, 0, 1, 0, 2, 0, 1, 0, 2, 0, 0, 2, 2, 0, 2, 0, 2, 0})},
      {"points cut short", AfterOneLine({1, 0, 2, 0, 0, 0, 1, 0, 2, 0, 1})},
      {"count beyond the data", AfterOneLine({1, 0, 0xFF, 0xFF, 0, 0, 1, 0})},
  };
  for (const auto& c : bad) {
    SCOPED_TRACE(c.name);
    MemoryPicture picture;
    ASSERT_TRUE(picture.Create(4, 3));
    RenderState state;
    ByteCursor in(c.file.data(), c.file.size());
    EXPECT_EQ(DrawOverlayIntoPicture(in, picture, state), -1);
    EXPECT_EQ(DrawnPixels(picture), (Pixels{{0, 0}, {1, 0}}));
  }
}
