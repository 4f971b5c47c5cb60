// The job-file writer refuses every value the viewer would refuse and writes nothing of it.
// What it writes is read back by the transcript of the sample jobs (tests/tools).
#include "common/job_file/job_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "common/job_file/job_encoding.h"

using namespace qex;

namespace {

bool Write(PreviewWriter& w, const RasterBandRecord& r) { return w.RasterBand(r); }
bool Write(PreviewWriter& w, const FilledRectRecord& r) { return w.FilledRect(r); }
bool Write(PreviewWriter& w, const LineRunsRecord& r) { return w.LineRuns(r); }
bool Write(PreviewWriter& w, const PreviewHeader& h) { return w.Begin(h); }
bool Write(OverlayWriter& w, const PreviewHeader& h) { return w.Begin(h); }
bool Write(OverlayWriter& w, const OverlayPolyline& p) { return w.Polyline(p); }

// Why a writer refuses `record` after a good header (or, when `begun` is false, as its first
// call); "written" when any of it was.
template <typename Writer = PreviewWriter, typename Record>
std::string Refusal(const Record& record, bool begun = true) {
  Writer writer;
  if (begun) writer.Begin({64, 32, 10, 10});
  return Write(writer, record) || writer.bytes().size() != (begun ? kPreviewHeaderSize : 0) ? "written"
                                                                                            : writer.error();
}

RasterBandRecord Band(int pen, int rowCount, int bytesPerRow, size_t rows) {
  RasterBandRecord band;
  band.pen = pen, band.rowCount = rowCount, band.bytesPerRow = bytesPerRow, band.rows.assign(rows, 0xFF);
  return band;
}

}  // namespace

TEST(JobWriter, RefusesWhatTheViewerWouldRefuseAndWritesNothingOfIt) {
  EXPECT_EQ(Refusal(PreviewHeader{64, 32, 10, 10}), "header: written already");
  EXPECT_EQ(Refusal(FilledRectRecord{0, 0, 0, 1, 1, 8}), "record 0: filled rectangle: pen 8 is not within 0..7");
  EXPECT_EQ(Refusal(FilledRectRecord{0, 65536, 0, 1, 1, 0}),
            "record 0: filled rectangle: left 65536 is not within 0..65535");
  EXPECT_EQ(Refusal(LineRunsRecord{-1, 0, {}}), "record 0: line runs: pen -1 is not within 0..7");
  EXPECT_EQ(Refusal(LineRunsRecord{0, 0, {{0, 1}, {-32769, 0}}}),
            "record 0: line runs: segment 1: xStart -32769 is not within -32768..32767");
  EXPECT_EQ(Refusal(LineRunsRecord{0, 0, std::vector<LineSegment>(32767)}),
            "record 0: line runs: segment count 32767 is not within 0..32766");
  EXPECT_EQ(Refusal(Band(8, 2, 3, 6)), "record 0: raster band: pen 8 is not within 0..7");
  EXPECT_EQ(Refusal(Band(0, 2, 3, 5)), "record 0: raster band: 5 bytes of rows where 2 rows of 3 bytes announce 6");
  EXPECT_EQ(Refusal(Band(0, 1, 0, 0)), "record 0: raster band: 1 rows of 0 bytes");
  EXPECT_EQ(Refusal(Band(0, 65536, 3, 6)), "record 0: raster band: rowCount 65536 is not within 0..65535");
  EXPECT_EQ(Refusal<OverlayWriter>(OverlayPolyline{8, {}}), "record 0: polyline: pen 8 is not within 0..7");
  EXPECT_EQ(Refusal<OverlayWriter>(OverlayPolyline{0, {{0, 0}, {0, 32768}}}),
            "record 0: polyline: point 1: y 32768 is not within -32768..32767");
  EXPECT_EQ(Refusal<OverlayWriter>(OverlayPolyline{0, std::vector<OverlayPoint>(65536)}),
            "record 0: polyline: point count 65536 is not within 0..65535");

  for (const auto& [header, reason] : std::vector<std::pair<PreviewHeader, std::string>>{
           {{0, 1, 10, 10}, "width 0 is not within 1..65535"},
           {{1, 1, 10, 0}, "y pitch 0 is not within 1..255"},
           {{1, 1, 0, 10}, "x pitch 0 is not within 1..127 or -128..-1 (mirrored)"},
           {{1, 1, 128, 10}, "x pitch 128 is not within 1..127 or -128..-1 (mirrored)"}}) {
    EXPECT_EQ(Refusal(header, false), "header: " + reason);
    EXPECT_EQ(Refusal<OverlayWriter>(header, false), "header: " + reason);
  }

  // The first refusal ends the file: later calls write nothing, and the error names the record.
  OverlayWriter early;
  EXPECT_FALSE(early.Polyline({0, {}}) || early.Begin({64, 32, 10, 10}));
  EXPECT_EQ(early.error(), "record 0: polyline: the header is not written yet");
  OverlayWriter overlay;
  ASSERT_TRUE(overlay.Begin({64, 32, 10, 10}));
  EXPECT_TRUE(overlay.Polyline({7, std::vector<OverlayPoint>(65535)}) && overlay.Polyline({0, {}}));
  EXPECT_FALSE(overlay.Polyline({8, {}}) || overlay.Polyline({0, {}}));
  EXPECT_EQ(overlay.error(), "record 2: polyline: pen 8 is not within 0..7");
  EXPECT_EQ(overlay.bytes().size(), 6u + 4u + 4u * 65535u + 4u);
}

TEST(JobWriter, FieldsLeftOutAreZeroAndABandInverts) {
  // A header's sizes left out are 0, which is refused; its pitches are 10.
  PreviewHeader header;
  EXPECT_EQ(Refusal(header, false), "header: width 0 is not within 1..65535");
  header.width = 1;
  EXPECT_EQ(Refusal(header, false), "header: height 0 is not within 1..65535");
  header.height = 1;
  PreviewWriter unset, zeros;
  ASSERT_TRUE(unset.Begin(header) && unset.FilledRect({}) && unset.LineRuns({0, 0, {LineSegment{}}}) &&
              unset.LineRuns({}) && unset.RasterBand({}));
  ASSERT_TRUE(zeros.Begin({1, 1, 10, 10}) && zeros.FilledRect({0, 0, 0, 0, 0, 0}) && zeros.LineRuns({0, 0, {{0, 0}}}) &&
              zeros.LineRuns({0, 0, {}}) && zeros.RasterBand({0, 0, 0, 0, 0, 0, 0, kRopSrcInvert, {}}));
  EXPECT_EQ(unset.bytes(), zeros.bytes());
  EXPECT_EQ(JobBytes().RasterBandHeader({}).bytes(),
            JobBytes().RasterBandHeader({0, 0, 0, 0, 0, 0, 0, kRopSrcInvert}).bytes());
  OverlayWriter unsetOverlay, zerosOverlay;
  ASSERT_TRUE(unsetOverlay.Begin(header) && unsetOverlay.Polyline({}) && unsetOverlay.Polyline({0, {OverlayPoint{}}}));
  ASSERT_TRUE(zerosOverlay.Begin({1, 1, 10, 10}) && zerosOverlay.Polyline({0, {}}) && zerosOverlay.Polyline({0, {{0, 0}}}));
  EXPECT_EQ(unsetOverlay.bytes(), zerosOverlay.bytes());
}
