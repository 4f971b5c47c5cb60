// The overlay: points scaled and mirrored in x only; lines drawn and cut to their area as the
// picture of tests/data/overlay_lines.txt. Bad records and where they fail:
// tests/tools/qexpreview.txt.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include "recording_observer.h"
#include "common/job_file/job_encoding.h"
#include "viewer/core/overlay_picture.h"
#include "viewer/core/pen_palette.h"
#include "viewer/core/vector_file.h"

using namespace qex;

namespace {

uint32_t Bits(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

}  // namespace

TEST(VectorFile, ScaleFactorsAreRoundedToSinglePrecisionOnce) {
  // Expected bits from Python: zoom = float32(w / width); scale = float32(pitch * 0.1f * zoom)
  // with the products taken in double. Rounding after each product instead gives a
  // different scaleX in the first three rows and a different scaleY in the first two.
  const struct {
    PreviewHeader header;
    int shownWidth;
    uint32_t zoom, scaleX, scaleY;
  } cases[] = {
      {{632, 316, 3, 3}, 400, 0x3F22067B, 0x3E426E2D, 0x3E426E2D},
      {{429, 200, -3, 7}, 400, 0x3F6EB1D4, 0x3E8F377F, 0x3F271615},
      {{450, 100, 63, 10}, 400, 0x3F638E39, 0x40B33333, 0x3F638E39},
      {{401, 100, -128, 25}, 400, 0x3F7F5C92, 0x414C4A0F, 0x401F99DB},
      {{200, 100, 25, 5}, 200, 0x3F800000, 0x40200000, 0x3F000000},
      {{0, 100, 25, 5}, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.header.width << " pitches " << c.header.xPitch << "/" << c.header.yPitch);
    RenderState state;
    SetOverlayScale(c.header, c.shownWidth, state);
    EXPECT_EQ(Bits(state.zoom), c.zoom);
    EXPECT_EQ(Bits(state.scaleX), c.scaleX);
    EXPECT_EQ(Bits(state.scaleY), c.scaleY);
    EXPECT_EQ(state.mirrored, c.header.mirrored() ? 1 : 0);
  }
}

// The only native check of points scaled and mirrored in x.
TEST(VectorFile, PointsLandScaledAndMirroredInXOnly) {
  // 800 x 600 at pitch 10 into 400 x 300: the area is 400 x 299 at (0, 0), scale 0.5.
  // 200 x 100 at pitches 25 and 5 keeps its size at (100, 100): scales 2.5 and 0.5.
  // 632 x 316 at pitch 3 fills 400 x 200 at (0, 50); 79 x scale lies just below 15.
  const PreviewHeader big{800, 600, 10, 10}, bigMirrored{800, 600, -10, 10}, small{200, 100, 25, 5};
  const PreviewHeader fine{632, 316, 3, 3}, fineMirrored{632, 316, -3, 3};
  const struct {
    PreviewHeader header;
    int16_t x, y;
    int px, py;
  } cases[] = {
      {big, 100, 50, 50, 25},         {bigMirrored, 100, 50, 349, 25}, {bigMirrored, 0, 0, 399, 0},
      {big, -3, -3, -1, -1},          {bigMirrored, -3, 7, 400, 3},    {big, 32767, -32768, 16383, -16384},
      {small, 4, 10, 110, 105},       {small, -1, 3, 98, 101},         {fine, 79, 79, 14, 64},
      {fineMirrored, 79, 0, 385, 50},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.header.width << (c.header.mirrored() ? " mirrored " : " ") << c.x << ","
                                    << c.y);
    RenderState state;
    const PictureArea area = PlacePicture(c.header.width, c.header.height, 400, 300);
    SetOverlayScale(c.header, area.w, state);
    const std::vector<uint8_t> file = JobBytes(0, 0, 0, 0).Polyline(3, {{c.x, c.y}}).bytes();
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

TEST(VectorFile, OverlayDrawsThePictureOfItsDataFile) {
  std::ifstream data(QEX_TEST_DATA "/overlay_lines.txt");
  ASSERT_TRUE(data.good());
  JobBytes job(40, 20, 10, 10);
  std::string line, expected;
  while (std::getline(data, line)) {
    std::istringstream words(line);
    std::string kind;
    int pen = 0;
    std::vector<std::pair<int16_t, int16_t>> points;
    if (!(words >> kind) || kind == "#") continue;
    if (kind != "polyline") expected += line + "\n";
    words >> pen;
    for (int16_t x, y; words >> x >> y;) points.push_back({x, y});
    if (kind == "polyline") job.Polyline(static_cast<uint16_t>(pen), points);
  }
  MemoryPicture picture;
  ASSERT_TRUE(picture.Create(48, 28));
  RenderState state;
  ByteCursor in(job.bytes().data(), job.bytes().size());
  ASSERT_EQ(DrawOverlayIntoPicture(in, picture, state), 0);
  std::string drawn;
  for (int y = 0; y < 28; ++y, drawn += '\n') {
    for (int x = 0; x < 48; ++x) {
      const auto pen = std::find_if(PenPalette, PenPalette + kPenCount,
                                    [&](uint32_t c) { return DevicePixel(c) == picture.Pixel(x, y); });
      drawn += picture.Pixel(x, y) == kWhitenessPixel ? '.' : static_cast<char>('0' + (pen - PenPalette));
    }
  }
  EXPECT_EQ(drawn, expected);
}
