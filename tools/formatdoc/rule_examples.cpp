// The rule jobs of docs/formats.md: each as small as its rule allows, so that its picture
// can be shown pixel by pixel.
#include "tools/formatdoc/rule_examples.h"

#include "common/job_file/job_writer.h"
#include "tools/formatdoc/format_examples.h"

using namespace qex;

namespace {

RasterBandRecord Band(int originY, int originX, int bandWidth, std::vector<uint8_t> rows) {
  RasterBandRecord band;
  band.originY = originY, band.originX = originX, band.bandWidth = bandWidth;
  band.rowCount = static_cast<int>(rows.size()), band.bytesPerRow = 1, band.pen = 4;
  band.rows = std::move(rows);
  return band;
}

}  // namespace

std::vector<NamedFile> RuleExampleFiles(std::string* error) {
  std::vector<NamedFile> files;
  auto keep = [&](const std::string& name, const auto& writer) {
    if (!writer.error().empty() && error->empty()) *error = name + ": " + writer.error();
    files.push_back({name, writer.bytes()});
  };
  // An empty job and its overlay, both with `header`.
  auto keepOverlaid = [&](const std::string& stem, const PreviewHeader& header,
                          const std::vector<OverlayPolyline>& polylines) {
    PreviewWriter job;
    job.Begin(header);
    keep(stem + ".PRN", job);
    OverlayWriter overlay;
    overlay.Begin(header);
    for (const OverlayPolyline& polyline : polylines) overlay.Polyline(polyline);
    keep(stem + ".VCT", overlay);
  };

  PreviewWriter minimal;
  minimal.Begin({8, 4, 10, 10});
  const size_t header = minimal.bytes().size();
  minimal.FilledRect({0, 2, 1, 6, 3, 1});
  keep("minimal.PRN", minimal);
  const std::string minimalDump = "header: width 8, height 4, x pitch 10, y pitch 10\n" +
                                  HexLines(minimal.bytes(), 0, header) +
                                  "filled rectangle: tag -2, originY 0, left 2, top 1, right 6, bottom 3, pen 1\n" +
                                  HexLines(minimal.bytes(), header, minimal.bytes().size());
  files.push_back({"minimal.prn.txt", std::vector<uint8_t>(minimalDump.begin(), minimalDump.end())});

  // Taller than wide and above 1024: the width is truncated, then made even.
  PreviewWriter fit;
  fit.Begin({1003, 3000, 10, 10});
  keep("fit.PRN", fit);

  // Header 1025 x 1025 at pitch 41: zoom below 1, where the two axes' factors differ.
  PreviewWriter axes;
  axes.Begin({1025, 1025, 41, 41});
  axes.RasterBand(Band(125, 125, 1, {0x80}));
  keep("axes.PRN", axes);

  // Column 0 at x pitch 5: row 0 from x 0, row 1 from x 1; both first pixels land on column 0.
  PreviewWriter column0;
  column0.Begin({8, 2, 5, 10});
  column0.RasterBand(Band(0, 0, 8, {0xFF}));
  column0.RasterBand(Band(1, 1, 8, {0xFF}));
  keep("column0.PRN", column0);

  // Mirrored rows of one byte at originX 4: with bandWidth 9 every pixel stays, with 8 the
  // first one (at x 12) is cut.
  PreviewWriter mirror;
  mirror.Begin({16, 5, -10, 10});
  mirror.RasterBand(Band(0, 4, 9, {0x80, 0xF0, 0xFF}));
  mirror.RasterBand(Band(4, 4, 8, {0xFF}));
  keep("mirror.PRN", mirror);

  // Rows y0 .. y1 - 1 filled: originY = y0, top 0, bottom y1; then top moved by originY.
  PreviewWriter rect;
  rect.Begin({12, 6, 10, 10});
  rect.FilledRect({1, 1, 0, 5, 5, 1});
  rect.FilledRect({2, 7, 1, 11, 5, 4});
  keep("rect.PRN", rect);

  // Later records paint over earlier ones; a SRCINVERT band sets its 1 bits and leaves its 0
  // bits alone, it inverts nothing.
  PreviewWriter order;
  order.Begin({12, 3, 10, 10});
  order.FilledRect({0, 0, 0, 12, 3, 1});
  RasterBandRecord over = Band(1, 2, 8, {0xAA});
  over.pen = 2;
  order.RasterBand(over);
  order.LineRuns({4, 2, {{1, 5}, {11, 7}}});
  keep("order.PRN", order);

  // A job of 2000 x 1000 painted by "-d" into a rectangle of 1100 x 600.
  keepOverlaid("large", {2000, 1000, 10, 10}, {{7, {{0, 0}, {1999, 0}, {1999, 999}, {0, 999}, {0, 0}}}});

  // Polylines of 0, 1 and 2 points, an open and a closed one, over an empty 12 x 8 job.
  keepOverlaid("lines", {12, 8, 10, 10},
               {{1, {}},
                {1, {{1, 1}}},
                {4, {{1, 3}, {10, 3}}},
                {2, {{1, 5}, {4, 5}, {4, 7}, {1, 7}}},
                {5, {{6, 5}, {9, 5}, {9, 7}, {6, 7}, {6, 5}}}});

  // An overlay of width 0, which the writer refuses: header 0 x 8, one line from (0, 0) to (7, 7).
  files.push_back({"zero.VCT", {0, 0, 8, 0, 10, 10, 7, 0, 2, 0, 0, 0, 0, 0, 7, 0, 7, 0}});

  if (!error->empty()) files.clear();
  return files;
}
