// The overlay: points scaled and mirrored in x only, a small header centred and
// cut to its area, and an invalid record ending it after what was drawn.
#include <gtest/gtest.h>

#include "tools/samplejob/vector_builder.h"
#include "viewer/core/overlay_picture.h"
#include "viewer/core/pen_palette.h"
#include "viewer/core/vector_file.h"

namespace {

// The picture as rows of characters: '.' untouched white, '#' drawn.
std::string Rows(const MemoryPicture& picture) {
  std::string text;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) text += picture.Pixel(x, y) == kWhitenessPixel ? '.' : '#';
    text += '\n';
  }
  return text;
}

// An 4 x 3 overlay whose first polyline draws two pixels of row 0, followed by `tail`.
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
    size_t offset = kPreviewHeaderSize;
    uint32_t colour = 0;
    std::vector<VectorPoint> points;
    ASSERT_EQ(ReadPolylineRecord(file.data(), file.size(), &offset, state, area, &colour, &points), 0);
    EXPECT_EQ(offset, file.size());
    EXPECT_EQ(colour, PenPalette[3]);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].x, c.px);
    EXPECT_EQ(points[0].y, c.py);
  }
}

TEST(VectorFile, OverlayIsCutToItsAreaAndEndsAtABadRecord) {
  MemoryPicture picture;
  ASSERT_TRUE(picture.Create(10, 6));
  RenderState state;
  // A 4 x 2 header sits at (3, 2); a line across the whole picture shows only inside it.
  std::vector<uint8_t> file = VectorBuilder(4, 2, 10, 10).Polyline(1, {{-5, 1}, {20, 1}}).bytes();
  ASSERT_EQ(DrawOverlayIntoPicture(file.data(), file.size(), picture, state), 0);
  EXPECT_EQ(Rows(picture), "..........\n..........\n..........\n...####...\n..........\n..........\n");

  ASSERT_TRUE(picture.Create(4, 3));
  const struct { const char* name; std::vector<uint8_t> file; } bad[] = {
      {"pen 8, then a good line", AfterOneLine({8, 0, 2, 0, 0, 0, 1, 0, 2, 0, 1, 0, 2, 0, 0, 2, 2, 0, 2, 0, 2, 0})},
      {"pen 0x0100", AfterOneLine({0, 1, 2, 0, 0, 0, 1, 0, 2, 0, 1, 0})},
      {"points cut short", AfterOneLine({1, 0, 2, 0, 0, 0, 1, 0, 2, 0, 1})},
      {"count beyond the data", AfterOneLine({1, 0, 0xFF, 0xFF, 0, 0, 1, 0})},
      {"header cut short", std::vector<uint8_t>(5, 10)},
  };
  for (const auto& c : bad) {
    SCOPED_TRACE(c.name);
    picture.Create(4, 3);
    EXPECT_EQ(DrawOverlayIntoPicture(c.file.data(), c.file.size(), picture, state), -1);
    EXPECT_EQ(Rows(picture), c.file.size() > 5 ? "##..\n....\n....\n" : "....\n....\n....\n");
  }
}
