#include <gtest/gtest.h>

#include <random>

#include "recording_observer.h"

namespace {

PreviewBuilder Job() { return PreviewBuilder(64, 32, 10, 10); }

BandFields Band(uint16_t rowCount, uint16_t bytesPerRow, uint16_t pen = 0) {
  BandFields f;
  f.bandWidth = 64;
  f.rowCount = rowCount;
  f.bytesPerRow = bytesPerRow;
  f.pen = pen;
  return f;
}

struct BadCase {
  const char* name;
  std::vector<uint8_t> bytes;
  size_t offset;
  const char* reason;
};

std::vector<uint8_t> Cut(std::vector<uint8_t> bytes, size_t drop) {
  bytes.resize(bytes.size() - drop);
  return bytes;
}

}  // namespace

TEST(PreviewErrors, EachBadInputFailsAtItsOffset) {
  const BadCase cases[] = {
      {"header cut short", {0x10, 0x00, 0x10, 0x00, 0x0A}, 5, "header cut short"},
      {"width 0", PreviewBuilder(0, 10, 10, 10).bytes(), 0, "header width or height is 0"},
      {"height 0", PreviewBuilder(10, 0, 10, 10).bytes(), 2, "header width or height is 0"},
      {"tag -3", Job().Empty().U16(0xFFFD).bytes(), 8, "unknown record tag -3"},
      {"tag -5", Job().U16(0xFFFB).bytes(), 6, "unknown record tag -5"},
      {"positive tag", Job().U16(1).bytes(), 6, "unknown record tag 1"},
      {"filled rect cut short", Cut(Job().FilledRect(1, 2, 3, 4, 5, 6).bytes(), 1), 8, "filled rectangle cut short"},
      {"filled rect pen 8", Job().FilledRect(1, 2, 3, 4, 5, 8).bytes(), 18, "pen 8 is not below 8"},
      {"line runs header cut short", Cut(Job().LineRunsHeader(1, 0, 0).bytes(), 2), 8, "line runs header cut short"},
      {"line runs pen 9", Job().LineRunsHeader(1, 9, 0).bytes(), 10, "pen 9 is not below 8"},
      {"line segment cut short", Cut(Job().LineRuns(0, 1, {{1, 2}, {3, 4}}).bytes(), 1), 20,
       "line segment 2 of 2 cut short"},
      {"band header cut short", Cut(Job().RasterBandHeader(Band(1, 1)).bytes(), 6), 8, "raster band header cut short"},
      {"band pen 65535", Job().RasterBand(Band(1, 1, 0xFFFF), {0}).bytes(), 20, "pen 65535 is not below 8"},
      {"band raster op cut short", Cut(Job().RasterBandHeader(Band(1, 1)).bytes(), 1), 22, "raster operation cut short"},
      {"band rows of 0 bytes", Job().RasterBand(Band(3, 0), {}).bytes(), 18, "raster band of 3 rows of 0 bytes"},
      {"band rows cut short", Cut(Job().RasterBand(Band(3, 2), {1, 2, 3, 4, 5, 6}).bytes(), 1), 26,
       "raster band announces 6 bytes of rows, 5 left"},
      {"band claims 4 GB", Job().RasterBand(Band(65535, 65535), {1, 2, 3}).bytes(), 26,
       "raster band announces 4294836225 bytes of rows, 3 left"},
  };
  for (const BadCase& c : cases) {
    Rendered r;
    Render(c.bytes, r);
    EXPECT_EQ(r.result, -1) << c.name;
    EXPECT_EQ(r.error.offset, c.offset) << c.name;
    EXPECT_EQ(r.error.reason, c.reason) << c.name;
  }
}

TEST(PreviewErrors, RecordsBeforeTheFailureStay) {
  Rendered r;
  Render(Job().FilledRect(0, 1, 1, 2, 2, 0).U16(0xFFFD).FilledRect(0, 3, 3, 4, 4, 0).bytes(), r);
  EXPECT_EQ(r.result, -1);
  EXPECT_EQ(DrawnPixels(r.state.picture), (std::set<std::pair<int, int>>{{1, 1}}));
  EXPECT_EQ(r.counts.filledRects, 1u);
}

TEST(PreviewErrors, RefusedSurfaceFailsBeforeAnyRecord) {
  Rendered r;
  r.observer.surfaceOk = false;
  Render(Job().FilledRect(0, 1, 1, 2, 2, 0).bytes(), r);
  EXPECT_EQ(r.result, -1);
  EXPECT_EQ(r.observer.calls, (std::vector<std::string>{"surface 64x32"}));
}

TEST(PreviewErrors, DamagedFilesNeverReadOutsideTheirBytes) {
  BandFields band = Band(4, 3);
  band.rasterOp = kRopSrcCopy;
  const std::vector<uint8_t> good = PreviewBuilder(3000, 200, 0xF6, 7)
                                        .RasterBand(band, std::vector<uint8_t>(12, 0x5A))
                                        .FilledRect(9, 8, 7, 600, 90, 3)
                                        .LineRuns(5, 30, {{-40, 900}, {700, 2}})
                                        .Empty()
                                        .bytes();
  std::mt19937 random(1234);
  for (int trial = 0; trial < 3000; ++trial) {
    std::vector<uint8_t> bytes = good;
    bytes.resize(random() % (bytes.size() + 1));
    for (int flips = random() % 4; flips > 0 && !bytes.empty(); --flips) {
      bytes[random() % bytes.size()] = static_cast<uint8_t>(random());
    }
    // Exact-size copies so that the sanitizer sees any read past the end.
    std::unique_ptr<uint8_t[]> exact(new uint8_t[bytes.size() + 1]);
    std::copy(bytes.begin(), bytes.end(), exact.get());
    RenderState state;
    RecordingObserver observer;
    const int result = RenderPreview(exact.get(), bytes.size(), state, observer);
    EXPECT_TRUE(result == 0 || result == -1);
  }
}
