#include <gtest/gtest.h>

#include "recording_observer.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

struct BandCase {
  const char* name;
  uint16_t width;  // header width; 5120 gives zoom 0.2, 4096 zoom 0.25
  uint8_t xPitchByte;
  uint8_t yPitch;
  BandFields band;
  std::vector<uint8_t> rows;
  Pixels expected;
};

BandFields Band(uint16_t originX, uint16_t bandWidth, uint16_t bytesPerRow, uint32_t rasterOp,
                uint16_t rowCount = 1, uint16_t originY = 0, uint16_t firstRow = 0) {
  BandFields f;
  f.originY = originY;
  f.originX = originX;
  f.firstRow = firstRow;
  f.bandWidth = bandWidth;
  f.rowCount = rowCount;
  f.bytesPerRow = bytesPerRow;
  f.rasterOp = rasterOp;
  return f;
}

Pixels Row(int y, std::initializer_list<int> columns) {
  Pixels pixels;
  for (int x : columns) pixels.insert({x, y});
  return pixels;
}

class RasterBand : public ::testing::TestWithParam<BandCase> {};

TEST_P(RasterBand, PlotsExactlyTheTakenBits) {
  const BandCase& c = GetParam();
  Rendered r;
  Render(PreviewBuilder(c.width, 40, c.xPitchByte, c.yPitch).RasterBand(c.band, c.rows).bytes(), r);
  ASSERT_EQ(r.result, 0) << r.error.reason;
  EXPECT_EQ(DrawnPixels(r.state.picture), c.expected);
}

const BandCase kBandCases[] = {
    {"srccopy leading zero bit lands on column 0", 64, 10, 10, Band(0, 64, 1, kRopSrcCopy), {0x7F}, {}},
    {"srccopy zero bits plotted", 64, 10, 10, Band(8, 64, 1, kRopSrcCopy), {0x3F}, Row(0, {8, 9})},
    {"srccopy 0xFF passed over", 64, 10, 10, Band(8, 64, 2, kRopSrcCopy), {0xFF, 0xFE}, Row(0, {23})},
    {"srcinvert set bits plotted", 64, 10, 10, Band(16, 64, 2, kRopSrcInvert), {0x81, 0x00}, Row(0, {16, 23})},
    {"other raster op plots zero bits, passes 0x00", 64, 10, 10, Band(0, 64, 3, 0x00BB0226), {0x0F, 0x00, 0xFF},
     Row(0, {1, 2, 3})},
    {"half scale plots each column once, column 0 never", 64, 5, 10, Band(0, 64, 1, kRopSrcInvert), {0xFF},
     Row(0, {1, 2, 3})},
    {"column 0 after another column is plotted", 64, 0xFB, 10, Band(0, 64, 1, kRopSrcInvert), {0xFF},
     Row(0, {4, 3, 2, 1, 0})},
    {"zoom 0.2 leaves out bits 5, 3 and 1", 5120, 100, 50, Band(0, 64, 1, kRopSrcInvert), {0xFF},
     Row(0, {2, 6, 10, 14})},
    {"zoom 0.2 keeps bit 7", 5120, 100, 50, Band(8, 64, 1, kRopSrcInvert), {0x80}, Row(0, {16})},
    {"zoom 0.25 tests every bit", 4096, 40, 40, Band(0, 64, 1, kRopSrcInvert), {0xFF},
     Row(0, {1, 2, 3, 4, 5, 6, 7})},
    {"band width cuts the row's end", 64, 10, 10, Band(4, 10, 2, kRopSrcInvert), {0xFF, 0xFF},
     Row(0, {4, 5, 6, 7, 8, 9, 10, 11, 12, 13})},
    {"mirrored band width cuts the row's start", 64, 0xF6, 10, Band(4, 10, 2, kRopSrcInvert), {0xFF, 0xFF},
     Row(0, {5, 6, 7, 8, 9, 10, 11, 12, 13})},
    {"mirrored first file pixel at the right", 64, 0xF6, 10, Band(0, 64, 2, kRopSrcInvert), {0x80, 0x01},
     Row(0, {16, 1})},
    {"rows start at origin plus first row", 64, 10, 10, Band(0, 64, 1, kRopSrcInvert, 2, 3, 4), {0x40, 0x20},
     Pixels{{1, 7}, {2, 8}}},
    {"rows on one picture row are drawn once", 64, 10, 5, Band(0, 64, 1, kRopSrcInvert, 4), {0x40, 0x20, 0x10, 0x08},
     Pixels{{1, 0}, {3, 1}}},
    {"no rows", 64, 10, 10, Band(0, 64, 0, kRopSrcInvert, 0), {}, {}},
    {"pixels outside the picture are dropped", 64, 10, 10, Band(60, 64, 1, kRopSrcInvert, 1, 39), {0xFF},
     Row(39, {60, 61, 62, 63})},
};

INSTANTIATE_TEST_SUITE_P(Cases, RasterBand, ::testing::ValuesIn(kBandCases));

std::vector<uint8_t> ThreeRowBand(uint8_t yPitch) {
  return PreviewBuilder(64, 40, 10, yPitch)
      .RasterBand(Band(0, 64, 1, kRopSrcInvert, 3), {0x40, 0x40, 0x40})
      .RasterBand(Band(0, 64, 1, kRopSrcInvert, 1, 2), {0x20})
      .bytes();
}

}  // namespace

TEST(RasterBandMonitor, PumpsBeforeEachNewRowAndCopiesAfterIt) {
  struct Case {
    uint8_t yPitch;
    std::vector<std::string> calls;
  } const cases[] = {
      {10,
       {"pump", "copy 0", "pump", "pump", "copy 1", "pump", "pump", "copy 2", "pump",
        // The next band's first row is copied even though it is the row copied last.
        "pump", "copy 2", "pump"}},
      {5, {"pump", "copy 0", "pump", "pump", "copy 1", "pump", "pump", "copy 1", "pump"}},
  };
  for (const Case& c : cases) {
    Rendered r;
    Render(ThreeRowBand(c.yPitch), r);
    ASSERT_EQ(r.result, 0);
    const std::vector<std::string> bandCalls(r.observer.calls.begin() + 2, r.observer.calls.end());
    EXPECT_EQ(bandCalls, c.calls) << int{c.yPitch};
    EXPECT_EQ(r.state.lastCopiedRow, c.yPitch == 10 ? 2 : 1);
  }
}

TEST(RasterBandMonitor, PictureIsTheSameWithoutOrAfterClosingTheMonitor) {
  Rendered open, never, closing;
  never.observer.monitor = false;
  closing.observer.closeAfterPumps = 2;
  Render(ThreeRowBand(10), open);
  Render(ThreeRowBand(10), never);
  Render(ThreeRowBand(10), closing);
  EXPECT_EQ(DrawnPixels(never.state.picture), DrawnPixels(open.state.picture));
  EXPECT_EQ(DrawnPixels(closing.state.picture), DrawnPixels(open.state.picture));
  EXPECT_EQ(never.observer.calls.size(), 2u);
  EXPECT_EQ(never.state.lastCopiedRow, -1);
  // Closed in the pump after the first copy: nothing more is pumped or copied.
  EXPECT_EQ(closing.observer.calls, (std::vector<std::string>{"surface 64x40", "layout", "pump", "copy 0", "pump"}));
}
