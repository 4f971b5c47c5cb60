// Raster bands: the monitor's pumps and row copies (the bits they plot: raster_oracle_test).
#include <gtest/gtest.h>

#include "recording_observer.h"

using namespace qex;

namespace {

std::vector<uint8_t> ThreeRowBand(uint8_t yPitch) {
  return JobBytes(64, 40, 10, yPitch)
      .RasterBand(BandFields{0, 0, 0, 64, 3, 1, 0, kRopSrcInvert}, {0x40, 0x40, 0x40})
      .RasterBand(BandFields{2, 0, 0, 64, 1, 1, 0, kRopSrcInvert}, {0x20})
      .bytes();
}

}  // namespace

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
