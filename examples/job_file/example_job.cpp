// The example job: a disc as raster bands of 8 rows, a frame of filled rectangles, line runs
// across the disc, and an overlay that outlines the disc.
#include "example_job.h"

#include <qex/job_file/job_writer.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 320, kHeight = 200, kRadius = 80, kCentreX = 160, kCentreY = 100;

bool WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  FILE* file = std::fopen(name.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

// Whether (x, y) lies inside the disc.
bool InDisc(int x, int y) {
  return (x - kCentreX) * (x - kCentreX) + (y - kCentreY) * (y - kCentreY) <= kRadius * kRadius;
}

}  // namespace

int WriteExampleJob(const char* folder) {
  const qex::PreviewHeader header{kWidth, kHeight, 10, 10};
  qex::PreviewWriter job;
  qex::OverlayWriter overlay;
  job.Begin(header);
  overlay.Begin(header);

  // The disc, 8 rows a band; nothing is checked call by call: a refusal ends the file.
  const int left = kCentreX - kRadius, bytesPerRow = (2 * kRadius + 8) / 8;
  for (int top = kCentreY - kRadius; top <= kCentreY + kRadius; top += 8) {
    qex::RasterBandRecord band;
    band.originY = top, band.originX = left, band.bandWidth = 8 * bytesPerRow;
    band.rowCount = 8, band.bytesPerRow = bytesPerRow, band.pen = 4;
    band.rasterOp = qex::kRopSrcInvert;
    band.rows.assign(static_cast<size_t>(band.rowCount) * bytesPerRow, 0);
    for (int row = 0; row < band.rowCount; ++row) {
      for (int x = 0; x < 8 * bytesPerRow; ++x) {
        if (InDisc(left + x, top + row)) band.rows[row * bytesPerRow + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
      }
    }
    job.RasterBand(band);
  }
  for (const qex::FilledRectRecord& edge :
       {qex::FilledRectRecord{0, 0, 0, kWidth, 4, 1}, qex::FilledRectRecord{0, 0, kHeight - 4, kWidth, kHeight, 1},
        qex::FilledRectRecord{0, 0, 0, 4, kHeight, 1}, qex::FilledRectRecord{0, kWidth - 4, 0, kWidth, kHeight, 1}}) {
    job.FilledRect(edge);
  }
  job.LineRuns({2, kCentreY, {{10, kCentreX - kRadius - 10}, {kCentreX + kRadius + 10, kWidth - 10}}});

  qex::OverlayPolyline outline{7, {}};
  for (int step = 0; step <= 36; ++step) {
    const double angle = step * 3.14159265358979 / 18;
    outline.points.push_back({kCentreX + static_cast<int>(std::lround((kRadius + 4) * std::cos(angle))),
                              kCentreY + static_cast<int>(std::lround((kRadius + 4) * std::sin(angle)))});
  }
  overlay.Polyline(outline);

  const std::string& refusal = job.error().empty() ? overlay.error() : job.error();
  if (!refusal.empty()) {
    std::fprintf(stderr, "job refused: %s\n", refusal.c_str());
    return 1;
  }
  const std::string base = std::string(folder) + "/example";
  if (!WriteFile(base + ".PRN", job.bytes()) || !WriteFile(base + ".VCT", overlay.bytes())) {
    std::fprintf(stderr, "cannot write %s.PRN and .VCT\n", base.c_str());
    return 1;
  }
  std::printf("example.PRN: %zu records, %zu bytes\nexample.VCT: %zu records, %zu bytes\n", job.records(),
              job.bytes().size(), overlay.records(), overlay.bytes().size());
  return 0;
}
