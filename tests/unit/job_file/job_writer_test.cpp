// The job-file writer: each value lands in its own field (the file layout itself is pinned
// by the viewer's tests, which build their files with the same encoding), and every value the
// viewer would refuse is refused with nothing written.
#include "common/job_file/job_writer.h"

#include <gtest/gtest.h>

#include <functional>

TEST(JobWriter, EveryValueLandsInItsOwnField) {
  // Values that differ from field to field, at the ends of their ranges where there are two.
  PreviewWriter preview;
  OverlayWriter overlay;
  ASSERT_TRUE(preview.Begin({65535, 2, -128, 255}) && overlay.Begin({3, 4, -1, 5}));
  RasterBandRecord band{1, 65535, 3, 4, 2, 3, 7, kRopSrcCopy, {1, 2, 3, 4, 5, 6}};
  ASSERT_TRUE(preview.RasterBand(band));
  ASSERT_TRUE(preview.FilledRect({5, 6, 7, 8, 65535, 1}));
  ASSERT_TRUE(preview.LineRuns({2, -32768, {{32767, -5}, {9, 10}}}));
  ASSERT_TRUE(preview.Empty());
  ASSERT_TRUE(overlay.Polyline({7, {{-32768, 32767}, {11, 12}}}));
  EXPECT_EQ(preview.bytes(), JobBytes(65535, 2, 0x80, 255)
                                 .RasterBand({1, 65535, 3, 4, 2, 3, 7, kRopSrcCopy}, {1, 2, 3, 4, 5, 6})
                                 .FilledRect(5, 6, 7, 8, 65535, 1)
                                 .LineRuns(2, -32768, {{32767, -5}, {9, 10}})
                                 .Empty()
                                 .bytes());
  EXPECT_EQ(overlay.bytes(), JobBytes(3, 4, 0xFF, 5).Polyline(7, {{-32768, 32767}, {11, 12}}).bytes());
}

TEST(JobWriter, RefusesWhatTheViewerWouldRefuseAndWritesNothingOfIt) {
  const JobHeader good{64, 32, 10, 10};
  RasterBandRecord band;
  band.rowCount = 2, band.bytesPerRow = 3, band.rows.assign(6, 0xFF);
  const auto Band = [&](const std::function<void(RasterBandRecord&)>& change) {
    return [&band, change](PreviewWriter& w) {
      RasterBandRecord b = band;
      change(b);
      return w.RasterBand(b);
    };
  };
  const struct {
    std::function<bool(PreviewWriter&)> write;
    const char* error;
  } cases[] = {
      {[](PreviewWriter& w) { return w.Begin({64, 32, 10, 10}); }, "header: written already"},
      {[](PreviewWriter& w) { return w.FilledRect({0, 0, 0, 1, 1, 8}); }, "filled rectangle: pen 8 is not within 0..7"},
      {[](PreviewWriter& w) { return w.FilledRect({0, 65536, 0, 1, 1, 0}); }, "filled rectangle: left 65536 is not within 0..65535"},
      {[](PreviewWriter& w) { return w.FilledRect({-1, 0, 0, 1, 1, 0}); }, "filled rectangle: originY -1 is not within 0..65535"},
      {[](PreviewWriter& w) { return w.LineRuns({-1, 0, {}}); }, "line runs: pen -1 is not within 0..7"},
      {[](PreviewWriter& w) { return w.LineRuns({0, 32768, {}}); }, "line runs: rowY 32768 is not within -32768..32767"},
      {[](PreviewWriter& w) { return w.LineRuns({0, 0, {{0, 1}, {-32769, 0}}}); },
       "line runs: segment 1: xStart -32769 is not within -32768..32767"},
      {[](PreviewWriter& w) { return w.LineRuns({0, 0, std::vector<LineSegment>(32767)}); },
       "line runs: segment count 32767 is not within 0..32766"},
      {Band([](RasterBandRecord& b) { b.pen = 8; }), "raster band: pen 8 is not within 0..7"},
      {Band([](RasterBandRecord& b) { b.rows.pop_back(); }),
       "raster band: 5 bytes of rows where 2 rows of 3 bytes announce 6"},
      {Band([](RasterBandRecord& b) { b.rows.push_back(0); }),
       "raster band: 7 bytes of rows where 2 rows of 3 bytes announce 6"},
      {Band([](RasterBandRecord& b) { b.bytesPerRow = 0, b.rows.clear(); }), "raster band: 2 rows of 0 bytes"},
      {Band([](RasterBandRecord& b) { b.rowCount = 65536; }), "raster band: rowCount 65536 is not within 0..65535"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    PreviewWriter writer;
    ASSERT_TRUE(writer.Begin(good));
    EXPECT_FALSE(c.write(writer));
    EXPECT_EQ(writer.error(), c.error);
    EXPECT_EQ(writer.bytes().size(), 6u);
  }

  const struct {
    JobHeader header;
    const char* error;
  } headers[] = {
      {{0, 1, 10, 10}, "header: width 0 is not within 1..65535"},
      {{1, 65536, 10, 10}, "header: height 65536 is not within 1..65535"},
      {{1, 1, 10, 0}, "header: y pitch 0 is not within 1..255"},
      {{1, 1, 0, 10}, "header: x pitch 0 is not within 1..127 or -128..-1 (mirrored)"},
      {{1, 1, 128, 10}, "header: x pitch 128 is not within 1..127 or -128..-1 (mirrored)"},
      {{1, 1, -129, 10}, "header: x pitch -129 is not within 1..127 or -128..-1 (mirrored)"},
  };
  for (const auto& c : headers) {
    PreviewWriter preview;
    OverlayWriter overlay;
    EXPECT_FALSE(preview.Begin(c.header));
    EXPECT_FALSE(overlay.Begin(c.header));
    EXPECT_EQ(preview.error(), c.error);
    EXPECT_EQ(overlay.error(), c.error);
    EXPECT_FALSE(preview.Empty());
    EXPECT_TRUE(preview.bytes().empty());
  }

  OverlayWriter overlay;
  EXPECT_FALSE(overlay.Polyline({0, {}}));
  ASSERT_TRUE(overlay.Begin(good));
  EXPECT_FALSE(overlay.Polyline({8, {}}));
  EXPECT_FALSE(overlay.Polyline({0, {{0, 0}, {0, 32768}}}));
  EXPECT_FALSE(overlay.Polyline({0, std::vector<OverlayPoint>(65536)}));
  EXPECT_TRUE(overlay.Polyline({7, std::vector<OverlayPoint>(65535)}));
  EXPECT_EQ(overlay.error(), "polyline: the header is not written yet");
  EXPECT_EQ(overlay.bytes().size(), 6u + 4u + 4u * 65535u);
}
