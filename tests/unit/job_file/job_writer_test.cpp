// The job-file writer against the viewer's own readers: random jobs come back field for
// field and render to the end, and every value the viewer would refuse is refused.
#include "common/job_file/job_writer.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "viewer/core/preview_file.h"
#include "viewer/core/preview_records.h"
#include "viewer/core/vector_file.h"

namespace {

// Random values that hit the ends of each field's range often.
class Values {
 public:
  explicit Values(uint32_t seed) : random_(seed) {}
  int In(int lowest, int highest) {
    switch (random_() % 8) {
      case 0: return lowest;
      case 1: return highest;
      default: return lowest + static_cast<int>(random_() % (static_cast<uint32_t>(highest - lowest) + 1));
    }
  }
  uint8_t Byte() { return static_cast<uint8_t>(random_()); }

 private:
  std::mt19937 random_;
};

JobHeader RandomHeader(Values& v) {
  const int pitch = v.In(1, 255);
  return {v.In(1, 65535), v.In(1, 65535), pitch <= 127 ? pitch : 127 - pitch, v.In(1, 255)};
}

// The records of a random preview, kept in the form the writer takes them.
struct Job {
  JobHeader header;
  std::vector<RasterBandRecord> bands;
  std::vector<FilledRectRecord> rects;
  std::vector<LineRunsRecord> runs;
  std::vector<int16_t> tags;  // the order of all records
};

Job RandomJob(uint32_t seed, PreviewWriter& writer) {
  Values v(seed);
  Job job;
  job.header = RandomHeader(v);
  EXPECT_TRUE(writer.Begin(job.header));
  for (int i = v.In(0, 30); i > 0; --i) {
    const int16_t tag = static_cast<int16_t>(std::vector<int>{-1, -2, -4, -6}[v.In(0, 3)]);
    job.tags.push_back(tag);
    if (tag == kTagRasterBand) {
      RasterBandRecord b;
      b.originY = v.In(0, 65535), b.originX = v.In(0, 65535), b.firstRow = v.In(0, 65535);
      b.bandWidth = v.In(0, 65535), b.rowCount = v.In(0, 24), b.bytesPerRow = v.In(b.rowCount ? 1 : 0, 12);
      b.pen = v.In(0, 7);
      b.rasterOp = std::vector<uint32_t>{kRopSrcCopy, kRopSrcInvert, 0x00BB0226}[v.In(0, 2)];
      for (int n = b.rowCount * b.bytesPerRow; n > 0; --n) b.rows.push_back(v.Byte());
      EXPECT_TRUE(writer.RasterBand(b)) << writer.error();
      job.bands.push_back(b);
    } else if (tag == kTagFilledRect) {
      const FilledRectRecord r{v.In(0, 65535), v.In(0, 65535), v.In(0, 65535),
                               v.In(0, 65535), v.In(0, 65535), v.In(0, 7)};
      EXPECT_TRUE(writer.FilledRect(r)) << writer.error();
      job.rects.push_back(r);
    } else if (tag == kTagLineRuns) {
      LineRunsRecord r{v.In(0, 7), v.In(-32768, 32767), {}};
      for (int n = v.In(0, 6); n > 0; --n) r.segments.push_back({v.In(-32768, 32767), v.In(-32768, 32767)});
      EXPECT_TRUE(writer.LineRuns(r)) << writer.error();
      job.runs.push_back(r);
    } else {
      EXPECT_TRUE(writer.Empty());
    }
  }
  return job;
}

}  // namespace

TEST(JobWriter, RandomPreviewsComeBackFieldForFieldAndRenderToTheEnd) {
  for (uint32_t seed = 1; seed <= 200; ++seed) {
    SCOPED_TRACE(seed);
    PreviewWriter writer;
    const Job job = RandomJob(seed, writer);
    ASSERT_EQ(writer.error(), "");
    const std::vector<uint8_t>& file = writer.bytes();

    ByteCursor in(file.data(), file.size());
    PreviewError error;
    JobHeader h;
    ASSERT_EQ(ReadPreviewFileHeader(in, &error, &h), 0) << error.reason;
    EXPECT_EQ(std::vector<int>({h.width, h.height, h.xPitch, h.yPitch}),
              std::vector<int>({job.header.width, job.header.height, job.header.xPitch, job.header.yPitch}));
    size_t band = 0, rect = 0, runs = 0;
    for (const int16_t expectedTag : job.tags) {
      int16_t tag;
      ASSERT_TRUE(in.ReadI16(&tag));
      ASSERT_EQ(tag, expectedTag);
      if (tag == kTagRasterBand) {
        RasterBandFields f;
        ASSERT_EQ(ReadRasterBand(in, &error, &f), 0) << error.reason;
        const RasterBandRecord& b = job.bands[band++];
        EXPECT_EQ(std::vector<int>({f.originY, f.originX, f.firstRow, f.bandWidth, f.rowCount, f.bytesPerRow, f.pen}),
                  std::vector<int>({b.originY, b.originX, b.firstRow, b.bandWidth, b.rowCount, b.bytesPerRow, b.pen}));
        EXPECT_EQ(f.rasterOp, b.rasterOp);
        EXPECT_EQ(std::vector<uint8_t>(f.rows, f.rows + b.rows.size()), b.rows);
      } else if (tag == kTagFilledRect) {
        FilledRectFields f;
        ASSERT_EQ(ReadFilledRect(in, &error, &f), 0) << error.reason;
        const FilledRectRecord& r = job.rects[rect++];
        EXPECT_EQ(std::vector<int>({f.originY, f.left, f.top, f.right, f.bottom, f.pen}),
                  std::vector<int>({r.originY, r.left, r.top, r.right, r.bottom, r.pen}));
      } else if (tag == kTagLineRuns) {
        LineRunsFields f;
        ASSERT_EQ(ReadLineRunsHead(in, &error, &f), 0) << error.reason;
        const LineRunsRecord& r = job.runs[runs++];
        EXPECT_EQ(std::vector<int>({f.count, f.pen, f.rowY}),
                  std::vector<int>({static_cast<int>(r.segments.size()) + 1, r.pen, r.rowY}));
        for (int i = 1; i < f.count; ++i) {
          LineSegmentFields s;
          ASSERT_EQ(ReadLineSegment(in, &error, f, i, &s), 0) << error.reason;
          EXPECT_EQ(std::vector<int>({s.xStart, s.xEnd}),
                    std::vector<int>({r.segments[i - 1].xStart, r.segments[i - 1].xEnd}));
        }
      }
    }
    EXPECT_EQ(in.remaining(), 0u);

    RenderState state;
    NoMonitorObserver observer;
    RecordCounts counts;
    ASSERT_EQ(RenderPreview(file.data(), file.size(), state, observer, &error, &counts), 0) << error.reason;
    EXPECT_EQ(counts.rasterBands + counts.filledRects + counts.lineRuns + counts.emptyRecords, job.tags.size());
  }
}

TEST(JobWriter, RandomOverlaysComeBackFieldForField) {
  for (uint32_t seed = 1; seed <= 200; ++seed) {
    SCOPED_TRACE(seed);
    Values v(seed);
    const JobHeader header = RandomHeader(v);
    std::vector<OverlayPolyline> polylines(static_cast<size_t>(v.In(0, 8)));
    OverlayWriter writer;
    ASSERT_TRUE(writer.Begin(header));
    for (OverlayPolyline& p : polylines) {
      p.pen = v.In(0, 7);
      for (int n = v.In(0, 40); n > 0; --n) p.points.push_back({v.In(-32768, 32767), v.In(-32768, 32767)});
      ASSERT_TRUE(writer.Polyline(p)) << writer.error();
    }
    const std::vector<uint8_t>& file = writer.bytes();
    ByteCursor in(file.data(), file.size());
    JobHeader h;
    ASSERT_TRUE(ReadJobHeader(in, &h));
    EXPECT_EQ(std::vector<int>({h.width, h.height, h.xPitch, h.yPitch}),
              std::vector<int>({header.width, header.height, header.xPitch, header.yPitch}));
    for (const OverlayPolyline& expected : polylines) {
      PolylineRecord record;
      ASSERT_EQ(ReadPolylineRecord(in, &record), 0);
      EXPECT_EQ(record.pen, expected.pen);
      ASSERT_EQ(record.points.size(), expected.points.size());
      for (size_t i = 0; i < record.points.size(); ++i) {
        EXPECT_EQ(std::vector<int>({record.points[i].x, record.points[i].y}),
                  std::vector<int>({expected.points[i].x, expected.points[i].y}));
      }
    }
    EXPECT_EQ(in.remaining(), 0u);
  }
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
      {[](PreviewWriter& w) {
         return w.Begin({64, 32, 10, 10});
       },
       "header: written already"},
      {[](PreviewWriter& w) {
         return w.FilledRect({0, 0, 0, 1, 1, 8});
       },
       "filled rectangle: pen 8 is not within 0..7"},
      {[](PreviewWriter& w) {
         return w.FilledRect({0, 65536, 0, 1, 1, 0});
       },
       "filled rectangle: left 65536 is not within 0..65535"},
      {[](PreviewWriter& w) {
         return w.FilledRect({-1, 0, 0, 1, 1, 0});
       },
       "filled rectangle: originY -1 is not within 0..65535"},
      {[](PreviewWriter& w) {
         return w.LineRuns({-1, 0, {}});
       },
       "line runs: pen -1 is not within 0..7"},
      {[](PreviewWriter& w) {
         return w.LineRuns({0, 32768, {}});
       },
       "line runs: rowY 32768 is not within -32768..32767"},
      {[](PreviewWriter& w) {
         return w.LineRuns({0, 0, {{0, 1}, {-32769, 0}}});
       },
       "line runs: segment 1: xStart -32769 is not within -32768..32767"},
      {[](PreviewWriter& w) {
         return w.LineRuns({0, 0, std::vector<LineSegment>(32767)});
       },
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
