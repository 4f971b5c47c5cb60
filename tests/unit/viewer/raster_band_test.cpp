// Raster bands: the worked cases of the bit rules (the oracle test covers random bands) and
// the monitor's pumps and row copies.
#include <gtest/gtest.h>

#include "recording_observer.h"

using namespace qex;

namespace {

// A one-row band at x with 64 pixels of width.
BandFields Band(uint16_t originX, uint16_t bytesPerRow, uint32_t rasterOp, uint16_t bandWidth = 64,
                uint16_t rowCount = 1) {
  return BandFields{0, originX, 0, bandWidth, rowCount, bytesPerRow, 0, rasterOp};
}

constexpr uint32_t kCopy = kRopSrcCopy, kInvert = kRopSrcInvert;

Pixels Row0(std::initializer_list<int> columns) {
  Pixels pixels;
  for (int x : columns) pixels.insert({x, 0});
  return pixels;
}
Pixels Row0(int first, int end) {
  Pixels pixels;
  for (int x = first; x < end; ++x) pixels.insert({x, 0});
  return pixels;
}

std::vector<uint8_t> ThreeRowBand(uint8_t yPitch) {
  return JobBytes(64, 40, 10, yPitch)
      .RasterBand(Band(0, 1, kInvert, 64, 3), {0x40, 0x40, 0x40})
      .RasterBand(BandFields{2, 0, 0, 64, 1, 1, 0, kRopSrcInvert}, {0x20})
      .bytes();
}

}  // namespace

TEST(RasterBand, PlotsExactlyTheTakenBits) {
  // Header width 5120 gives zoom 0.2.
  const struct {
    const char* name;
    uint16_t width;
    uint8_t xPitchByte, yPitch;
    BandFields band;
    std::vector<uint8_t> rows;
    Pixels expected;
  } cases[] = {
      {"srccopy: a zero bit on column 0 is not drawn", 64, 10, 10, Band(0, 1, kCopy), {0x7F}, {}},
      {"srccopy plots zero bits", 64, 10, 10, Band(8, 1, kCopy), {0x3F}, Row0({8, 9})},
      {"srcinvert plots set bits", 64, 10, 10, Band(16, 2, kInvert), {0x81, 0x00}, Row0({16, 23})},
      {"half scale: each column once, 0 never", 64, 5, 10, Band(0, 1, kInvert), {0xFF}, Row0({1, 2, 3})},
      {"zoom 0.2 leaves out bits 5, 3 and 1", 5120, 100, 50, Band(0, 1, kInvert), {0xFF}, Row0({2, 6, 10, 14})},
      {"mirrored: the band width cuts the start", 64, 0xF6, 10, Band(4, 2, kInvert, 10), {0xFF, 0xFF}, Row0(5, 14)},
      {"rows on one picture row drawn once", 64, 10, 5, Band(0, 1, kInvert, 64, 4), {64, 32, 16, 8}, {{1, 0}, {3, 1}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Rendered r;
    Render(JobBytes(c.width, 40, c.xPitchByte, c.yPitch).RasterBand(c.band, c.rows).bytes(), r);
    ASSERT_EQ(r.result, 0) << r.error.reason;
    EXPECT_EQ(DrawnPixels(r.state.picture), c.expected);
  }
}

TEST(RasterBand, MonitorIsPumpedBeforeEachNewRowAndGetsItAfter) {
  const struct {
    uint8_t yPitch;
    std::vector<std::string> calls;
  } cases[] = {
      // The next band's first row is copied even though it is the row copied last.
      {10, {"pump", "copy 0", "pump", "pump", "copy 1", "pump", "pump", "copy 2", "pump", "pump", "copy 2", "pump"}},
      {5, {"pump", "copy 0", "pump", "pump", "copy 1", "pump", "pump", "copy 1", "pump"}},
  };
  for (const auto& c : cases) {
    Rendered r;
    Render(ThreeRowBand(c.yPitch), r);
    ASSERT_EQ(r.result, 0);
    EXPECT_EQ(std::vector<std::string>(r.observer.calls.begin() + 2, r.observer.calls.end()), c.calls) << int{c.yPitch};
  }
  // Closed in the pump after the first copy: nothing more is pumped or copied, and the
  // picture is the same as with the monitor open or never there.
  Rendered open, never, closing;
  never.observer.monitor = false;
  closing.observer.closeAfterPumps = 2;
  for (Rendered* r : {&open, &never, &closing}) Render(ThreeRowBand(10), *r);
  EXPECT_EQ(DrawnPixels(never.state.picture), DrawnPixels(open.state.picture));
  EXPECT_EQ(DrawnPixels(closing.state.picture), DrawnPixels(open.state.picture));
  EXPECT_EQ(never.observer.calls, (std::vector<std::string>{"surface 64x40", "layout"}));
  EXPECT_EQ(closing.observer.calls, (std::vector<std::string>{"surface 64x40", "layout", "pump", "copy 0", "pump"}));
}
