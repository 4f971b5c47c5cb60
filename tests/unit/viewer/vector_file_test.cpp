// The overlay: its scale factors, and lines scaled, mirrored in x, drawn and cut to their area
// as the pictures of tests/data/overlay_*.txt. Bad records: tests/tools/qexpreview.txt.
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

TEST(VectorFile, OverlaysDrawThePicturesOfTheirDataFiles) {
  for (const char* name : {"/overlay_lines.txt", "/overlay_mirrored.txt"}) {
    SCOPED_TRACE(name);
    std::ifstream data(std::string(QEX_TEST_DATA) + name);
    ASSERT_TRUE(data.good());
    JobBytes job;
    std::string line, expected;
    int width = 0, height = 0;
    while (std::getline(data, line)) {
      std::istringstream words(line);
      std::string kind;
      std::vector<int> n;
      if (!(words >> kind) || kind == "#") continue;
      for (int v; words >> v;) n.push_back(v);
      if (kind == "overlay") {
        job = JobBytes(n[0], n[1], static_cast<uint8_t>(n[2]), n[3]);
      } else if (kind == "polyline") {
        std::vector<std::pair<int16_t, int16_t>> points;
        for (size_t k = 1; k + 1 < n.size(); k += 2) points.push_back({n[k], n[k + 1]});
        job.Polyline(n[0], points);
      } else {
        expected += line + "\n";
        width = static_cast<int>(line.size()), ++height;
      }
    }
    MemoryPicture picture;
    ASSERT_TRUE(picture.Create(width, height));
    RenderState state;
    ByteCursor in(job.bytes().data(), job.bytes().size());
    ASSERT_EQ(DrawOverlayIntoPicture(in, picture, state), 0);
    std::string drawn;
    for (int y = 0; y < height; ++y, drawn += '\n') {
      for (int x = 0; x < width; ++x) {
        const auto pen = std::find_if(PenPalette, PenPalette + kPenCount,
                                      [&](uint32_t c) { return DevicePixel(c) == picture.Pixel(x, y); });
        drawn += picture.Pixel(x, y) == kWhitenessPixel ? '.' : static_cast<char>('0' + (pen - PenPalette));
      }
    }
    EXPECT_EQ(drawn, expected);
    ByteCursor cut(job.bytes().data(), job.bytes().size() - 1);
    EXPECT_EQ(DrawOverlayIntoPicture(cut, picture, state), -1) << "the last record cut short";
  }
}
