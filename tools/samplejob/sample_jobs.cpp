// The sample jobs: a preview file and its vector file each, built deterministically.
#include "tools/samplejob/sample_jobs.h"

#include <algorithm>
#include <cmath>

#include "common/job_file/job_writer.h"
#include "tools/samplejob/text_raster.h"

using namespace qex;

namespace {

constexpr uint32_t kRopOther = 0x00BB0226;

struct Extent {
  int x;  // file units across
  int y;  // file units down
};

Extent FileExtent(const SampleJobSpec& spec) {
  const PreviewHeader& h = spec.header;
  return {std::min(32767, h.width * 10 / std::max(1, h.xPitchSize())),
          std::min(32767, h.height * 10 / std::max(1, h.yPitch))};
}

int U(int v) { return std::max(0, v); }
// The signed 16-bit value that a sample coordinate is stored as.
int S(int v) { return static_cast<int16_t>(v); }

// A band of text lines `rows` high at (x, y), ink drawn by its raster op.
void TextBand(PreviewWriter& job, int x, int y, int firstRow, int widthBits, int rows, int pen, uint32_t rop,
              const TextStyle& style) {
  RasterBandRecord band;
  band.originX = U(x);
  band.originY = U(y);
  band.firstRow = U(firstRow);
  band.bandWidth = U(widthBits);
  band.rowCount = U(rows);
  band.bytesPerRow = U((widthBits + 7) / 8 + 1);  // one byte of slack beyond the valid pixels
  band.pen = pen;
  band.rasterOp = rop;
  band.rows = TextRows(style, band.bytesPerRow * 8, firstRow, rows, rop == kRopSrcCopy);
  job.RasterBand(band);
}

// A disc of horizontal line runs, two segments a row (left and right half), and its outline.
void Disc(PreviewWriter& job, OverlayWriter& overlay, int cx, int cy, int r, int pen) {
  for (int dy = -r; dy <= r; ++dy) {
    const int half = static_cast<int>(std::sqrt(static_cast<double>(r) * r - static_cast<double>(dy) * dy));
    if (dy % 2 == 0) {
      job.LineRuns({pen, S(cy + dy), {{S(cx - half), S(cx)}, {S(cx + half), S(cx)}}});
    } else {
      job.LineRuns({pen, S(cy + dy), {{S(cx - half), S(cx + half)}}});
    }
  }
  std::vector<OverlayPoint> outline;
  for (int a = 0; a <= 48; ++a) {
    const double t = a * 3.14159265358979 / 24;
    outline.push_back({S(cx + static_cast<int>(r * std::cos(t))), S(cy + static_cast<int>(r * std::sin(t)))});
  }
  overlay.Polyline({0, outline});
}

void Frame(OverlayWriter& overlay, const Extent& e) {
  overlay.Polyline({1, {{0, 0}, {e.x - 1, 0}, {e.x - 1, e.y - 1}, {0, e.y - 1}, {0, 0}}});
}

void Showcase(const SampleJobSpec& spec, PreviewWriter& job, OverlayWriter& overlay) {
  const Extent e = FileExtent(spec);
  const int t = std::max(2, e.x / 150);
  job.FilledRect({0, 0, 0, U(e.x), U(t), 0});
  job.FilledRect({0, 0, 0, U(t), U(e.y), 0});
  job.FilledRect({U(e.y - t), 0, 0, U(e.x), U(e.y), 0});
  job.FilledRect({0, U(e.x - t), 0, U(e.x), U(e.y), 0});
  job.Empty();
  TextStyle title{std::max(1, e.x / 250), spec.seed};
  TextStyle body{std::max(1, e.x / 700), spec.seed + 1};
  const int margin = e.x / 20;
  const int textWidth = e.x * 11 / 20;
  TextBand(job, margin, e.y / 20, 0, textWidth, title.dot * 10, 0, kRopSrcCopy, title);
  // Body text in bands of three lines; the band's rows start at firstRow below its origin.
  const int lineRows = body.dot * 10;
  const int bodyTop = e.y / 20 + title.dot * 12;
  for (int band = 0; bodyTop + (band + 1) * 3 * lineRows < e.y * 9 / 10; ++band) {
    const int pen = band % 4 == 3 ? 1 : 4;
    const uint32_t rop = band % 2 == 0 ? kRopSrcInvert : kRopSrcCopy;
    TextBand(job, margin, bodyTop, band * 3 * lineRows, textWidth, 3 * lineRows, pen, rop, body);
  }
  // Solid swatches of every pen on the right.
  const int swatch = std::max(2, e.y / 12);
  for (int pen = 0; pen < 8; ++pen) {
    const int top = e.y / 20 + pen * (swatch + swatch / 4);
    job.FilledRect({U(top), U(e.x * 7 / 10), 0, U(e.x * 7 / 10 + swatch * 2), U(top + swatch), pen});
  }
  Disc(job, overlay, e.x * 17 / 20, e.y * 3 / 4, std::min(e.x, e.y) / 8, 7);
  job.Empty();
  // Hatching by line runs across the bottom, crossing the frame on both sides.
  for (int row = e.y * 9 / 10; row < e.y - 2 * t; row += 3) {
    job.LineRuns({6, S(row), {{-20, S(e.x / 3)}, {S(e.x + 20), S(e.x / 2)}}});
  }
  Frame(overlay, e);
  std::vector<OverlayPoint> zigzag;
  for (int i = 0; i <= 20; ++i)
    zigzag.push_back({S(margin + i * textWidth / 20), S(e.y * 8 / 10 + (i % 2) * e.y / 20)});
  overlay.Polyline({2, zigzag});
}

void FullBed(const SampleJobSpec& spec, PreviewWriter& job, OverlayWriter& overlay) {
  const Extent e = FileExtent(spec);
  // Text over the whole bed in bands of 120 rows, alternately copied and inverted.
  TextStyle style{4, spec.seed};
  constexpr int kBandRows = 120;
  for (int top = 0; top < e.y; top += kBandRows) {
    const int rows = std::min(kBandRows, e.y - top);
    const bool copy = (top / kBandRows) % 2 == 0;
    RasterBandRecord band;
    band.originY = U(top);
    band.bandWidth = U(e.x);
    band.rowCount = U(rows);
    band.bytesPerRow = U((e.x + 7) / 8);
    band.pen = copy ? 0 : 4;
    band.rasterOp = copy ? kRopSrcCopy : kRopSrcInvert;
    band.rows = TextRows(style, band.bytesPerRow * 8, top, rows, copy);
    job.RasterBand(band);
  }
  for (int i = 0; i < 6; ++i) {
    job.FilledRect({U(e.y / 8), U(e.x / 8 + i * e.x / 8), U(i * e.y / 10), U(e.x / 8 + i * e.x / 8 + e.x / 16),
                    U(e.y / 2 + i * e.y / 20), i + 1});
  }
  Disc(job, overlay, e.x / 2, e.y * 3 / 4, e.y / 6, 7);
  Frame(overlay, e);
}

// Dense random content: bands with random bits, origins, widths and raster ops; rectangles
// in any order of edges; line runs that leave the picture on both sides.
void Edge(const SampleJobSpec& spec, PreviewWriter& job, OverlayWriter& overlay) {
  const Extent e = FileExtent(spec);
  Lcg lcg(spec.seed);
  const uint32_t rops[] = {kRopSrcCopy, kRopSrcInvert, kRopOther};
  for (int i = 0; i < 40; ++i) {
    RasterBandRecord band;
    band.originY = U(lcg.Range(0, e.y));
    band.originX = U(lcg.Range(0, e.x));
    band.firstRow = U(lcg.Range(0, 40));
    band.bytesPerRow = U(lcg.Range(1, 64));
    band.bandWidth = U(lcg.Range(0, band.bytesPerRow * 8 + 8));
    band.rowCount = U(lcg.Range(0, 200));
    band.pen = lcg.Range(0, 7);
    band.rasterOp = rops[lcg.Range(0, 2)];
    band.rows.resize(static_cast<size_t>(band.rowCount) * band.bytesPerRow);
    for (uint8_t& b : band.rows) {
      const int kind = lcg.Range(0, 5);
      b = kind == 0 ? 0x00 : kind == 1 ? 0xFF : static_cast<uint8_t>(lcg.Next());
    }
    job.RasterBand(band);
    // Small rectangles, a third of them with right and bottom before left and top.
    const int left = lcg.Range(0, e.x + 10);
    const int top = lcg.Range(0, e.y);
    // The random values are drawn in this order so that the edge jobs keep their bytes.
    const int rectPen = lcg.Range(0, 7);
    const int bottom = top + lcg.Range(-e.y / 12, e.y / 6);
    const int right = left + lcg.Range(-e.x / 12, e.x / 6);
    job.FilledRect({U(lcg.Range(0, 20)), U(left), U(top), U(right), U(bottom), rectPen});
    LineRunsRecord runs;
    runs.segments.push_back({S(lcg.Range(-e.x, e.x * 2)), S(lcg.Range(-e.x, e.x * 2))});
    runs.segments.push_back({S(lcg.Range(-40, e.x)), S(lcg.Range(-40, e.x))});
    runs.rowY = S(lcg.Range(-5, e.y + 5));
    runs.pen = lcg.Range(0, 7);
    job.LineRuns(runs);
    if (i % 7 == 0) job.Empty();
  }
  std::vector<OverlayPoint> points;
  for (int i = 0; i < 30; ++i) points.push_back({S(lcg.Range(-10, e.x + 10)), S(lcg.Range(-10, e.y + 10))});
  overlay.Polyline({lcg.Range(0, 7), points});
}

}  // namespace

std::vector<SampleJobSpec> ShowcaseSpecs() {
  return {
      {SampleJobSpec::kShowcase, "small", {600, 400, 10, 10}, 11},
      {SampleJobSpec::kShowcase, "small_mirrored", {600, 400, -10, 10}, 11},
      {SampleJobSpec::kShowcase, "medium", {3000, 2000, 5, 5}, 12},
      {SampleJobSpec::kShowcase, "tall_mirrored", {1200, 2600, -7, 7}, 13},
      {SampleJobSpec::kFullBed, "fullbed", {14400, 7200, 10, 10}, 14},
  };
}

std::vector<SampleJobSpec> EdgeSpecs() {
  return {
      {SampleJobSpec::kEdge, "edge_pitch3", {700, 500, 3, 3}, 101},
      {SampleJobSpec::kEdge, "edge_pitch7_mirrored", {700, 500, -7, 7}, 102},
      {SampleJobSpec::kEdge, "edge_zoom_1500", {1500, 500, 7, 3}, 103},
      {SampleJobSpec::kEdge, "edge_near_half", {1023, 2047, 9, 11}, 104},
      {SampleJobSpec::kEdge, "edge_zoom_2047", {2047, 1000, 3, 7}, 105},
      {SampleJobSpec::kEdge, "edge_zoom_3001_mirrored", {3001, 1500, -3, 9}, 106},
      {SampleJobSpec::kEdge, "edge_zoom_below_quarter", {5120, 300, 13, 10}, 107},
      {SampleJobSpec::kEdge, "edge_zoom_quarter", {4096, 1000, 40, 40}, 108},
      {SampleJobSpec::kEdge, "edge_pitch128_mirrored", {900, 900, -128, 255}, 109},
      {SampleJobSpec::kEdge, "edge_1025", {1025, 1025, 7, 7}, 110},
      {SampleJobSpec::kEdge, "edge_odd_width", {1001, 3000, 3, 3}, 111},
  };
}

SampleJob BuildSampleJob(const SampleJobSpec& spec) {
  PreviewWriter job;
  OverlayWriter overlay;
  job.Begin(spec.header);
  overlay.Begin(spec.header);
  switch (spec.kind) {
    case SampleJobSpec::kShowcase: Showcase(spec, job, overlay); break;
    case SampleJobSpec::kFullBed: FullBed(spec, job, overlay); break;
    case SampleJobSpec::kEdge: Edge(spec, job, overlay); break;
  }
  return {job.bytes(), overlay.bytes(), job.error().empty() ? overlay.error() : job.error()};
}
