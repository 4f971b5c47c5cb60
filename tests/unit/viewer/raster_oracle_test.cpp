// The renderer's raster bands against a literal bit-by-bit plotter on random bands.
#include <gtest/gtest.h>

#include <random>

#include "recording_observer.h"
#include "viewer/core/pen_palette.h"

using namespace qex;

namespace {

struct Band {
  BandFields fields;
  std::vector<uint8_t> rows;
};

// Every row, byte and bit tested one at a time in the order the driver's rules give.
void PlotLiterally(MemoryPicture& picture, const RenderState& s, const Band& band) {
  const BandFields& f = band.fields;
  const bool thinning = s.zoom < 0.25f;
  const int limit = f.originX + f.bandWidth;
  int lastRow = -1;
  for (int i = 0; i < f.rowCount; ++i) {
    const int y = static_cast<int>(static_cast<double>(i + f.originY + f.firstRow) * static_cast<double>(s.scaleY));
    if (y == lastRow) continue;
    lastRow = y;
    for (int j = 0; j < f.bytesPerRow; ++j) {
      const uint8_t byte = band.rows[static_cast<size_t>(i) * f.bytesPerRow + j];
      if ((f.rasterOp == kRopSrcCopy && byte == 0xFF) || (f.rasterOp != kRopSrcCopy && byte == 0x00)) continue;
      int lastColumn = 0;
      for (int k = 7; k >= 0; --k) {
        const unsigned expected = f.rasterOp == kRopSrcInvert ? (1u << k) : 0u;
        const int x = s.mirrored ? f.originX + 8 * f.bytesPerRow - 8 * j - (7 - k) : f.originX + 8 * j + (7 - k);
        if ((byte & (1u << k)) != expected) continue;
        if (thinning && (k == 5 || k == 3 || k == 1)) continue;
        if (!(x < limit)) continue;
        const int column = static_cast<int>(static_cast<double>(x) * static_cast<double>(s.scaleX));
        if (column != lastColumn) picture.SetPixel(column, y, PenPalette[f.pen]);
        lastColumn = column;
      }
    }
  }
}

}  // namespace

TEST(RasterOracle, RandomBandsMatchTheLiteralRules) {
  std::mt19937 random(20261206);
  const uint16_t widths[] = {40, 200, 700, 1023, 1500, 3001, 4096, 5120, 9000};
  const uint8_t pitches[] = {1, 3, 5, 7, 10, 13, 40, 100, 255, 0xF6, 0xF9, 0xFD, 0x80, 0xFF};
  const uint32_t rops[] = {kRopSrcCopy, kRopSrcInvert, 0x00BB0226};
  for (int trial = 0; trial < 150; ++trial) {
    const uint16_t width = widths[random() % 9];
    const uint16_t height = static_cast<uint16_t>(20 + random() % 400);
    JobBytes job(width, height, pitches[random() % 14], static_cast<uint8_t>(1 + random() % 40));
    std::vector<Band> bands(1 + random() % 5);
    for (Band& band : bands) {
      BandFields& f = band.fields;
      f.originY = static_cast<uint16_t>(random() % 300);
      // Bands at the left edge often, where the column-0 rule matters.
      f.originX = static_cast<uint16_t>(random() % 4 == 0 ? random() % 8 : random() % (width + 50));
      f.firstRow = static_cast<uint16_t>(random() % 30);
      f.bytesPerRow = static_cast<uint16_t>(1 + random() % 40);
      f.bandWidth = static_cast<uint16_t>(random() % (8 * f.bytesPerRow + 12));
      f.rowCount = static_cast<uint16_t>(random() % 30);
      f.pen = static_cast<uint16_t>(random() % 8);
      f.rasterOp = rops[random() % 3];
      // Rows often mostly blank: the renderer passes over eight blank bytes at once.
      band.rows.resize(static_cast<size_t>(f.rowCount) * f.bytesPerRow);
      const uint8_t blank = random() % 2 ? 0x00 : 0xFF;
      const unsigned blankSixteenths = random() % 17;
      for (uint8_t& b : band.rows) b = random() % 16 < blankSixteenths ? blank : static_cast<uint8_t>(random());
      job.RasterBand(f, band.rows);
    }
    Rendered r;
    Render(job.bytes(), r);
    ASSERT_EQ(r.result, 0) << r.error.reason;
    MemoryPicture expected;
    ASSERT_TRUE(expected.Create(r.state.picture.width(), r.state.picture.height()));
    for (const Band& band : bands) PlotLiterally(expected, r.state, band);
    const size_t pixels = static_cast<size_t>(expected.width()) * expected.height();
    ASSERT_TRUE(std::equal(expected.Row(0), expected.Row(0) + pixels, r.state.picture.Row(0)))
        << "trial " << trial << ": width " << width << ", pitch byte " << int{job.bytes()[4]};
  }
}
