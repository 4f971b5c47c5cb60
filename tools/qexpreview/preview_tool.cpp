// The two jobs of qexpreview: render a preview file to image files, and describe it.
#include "tools/qexpreview/preview_tool.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "tools/common/write_file.h"
#include "tools/qexpreview/png_output.h"
#include "viewer/core/bmp_writer.h"
#include "viewer/core/file_source.h"
#include "viewer/core/overlay_picture.h"
#include "viewer/core/preview_file.h"
#include "viewer/core/vector_file.h"

namespace {

uint32_t FloatBits(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// Draws the job's vector file over the rendered picture.
bool DrawJobOverlay(const std::string& job, RenderState& state, FILE* err) {
  std::string overlayName;
  if (!OverlayFileName(job, &overlayName)) {
    std::fprintf(err, "%s: the name is too short to have a vector file\n", job.c_str());
    return false;
  }
  FileSource source;
  if (!source.Open(overlayName.c_str())) {
    std::fprintf(err, "cannot read %s\n", overlayName.c_str());
    return false;
  }
  ByteCursor overlay(source);
  if (DrawOverlayIntoPicture(overlay, state.picture, state) != 0) {
    std::fprintf(err, "%s: short header or invalid record\n", overlayName.c_str());
    return false;
  }
  return true;
}

}  // namespace

int RenderJob(const std::string& job, const std::string& bmpName, const std::string& pngName, bool overlay,
              FILE* err) {
  RenderState state;
  NoMonitorObserver observer;
  PreviewError error;
  if (ReadPreviewFile(job.c_str(), state, observer, &error) != 0) {
    std::fprintf(err, "%s: byte %llu: %s\n", job.c_str(), static_cast<unsigned long long>(error.offset),
                 error.reason.c_str());
    return 1;
  }
  if (overlay && !DrawJobOverlay(job, state, err)) return 1;
  if (!bmpName.empty() && !WriteWholeFile(bmpName, BuildSnapshotBmp(state.picture))) {
    std::fprintf(err, "cannot write %s\n", bmpName.c_str());
    return 1;
  }
  std::string reason;
  if (!pngName.empty() && !WritePng(state.picture, pngName, &reason)) {
    std::fprintf(err, "%s\n", reason.c_str());
    return 1;
  }
  return 0;
}

int DescribeJob(const std::string& job, FILE* out) {
  RenderState state;
  NoMonitorObserver observer;
  PreviewError error;
  RecordCounts counts;
  const int result = ReadPreviewFile(job.c_str(), state, observer, &error, &counts);
  if (state.picture.width() > 0) {
    std::fprintf(out, "header: width %u, height %u\n", state.headerWidth, state.headerHeight);
    std::fprintf(out, "mirrored: %s\n", state.mirrored ? "yes" : "no");
    std::fprintf(out, "picture: %u x %u\n", state.pictureWidth, state.pictureHeight);
    std::fprintf(out, "zoom: %.9g (0x%08X)\n", state.zoom, static_cast<unsigned>(FloatBits(state.zoom)));
    std::fprintf(out, "scaleX: %.9g (0x%08X)\n", state.scaleX, static_cast<unsigned>(FloatBits(state.scaleX)));
    std::fprintf(out, "scaleY: %.9g (0x%08X)\n", state.scaleY, static_cast<unsigned>(FloatBits(state.scaleY)));
    std::fprintf(out, "raster bands: %u\nfilled rectangles: %u\nline runs: %u\nempty records: %u\n",
                 counts.rasterBands, counts.filledRects, counts.lineRuns, counts.emptyRecords);
  }
  if (result != 0) {
    std::fprintf(out, "failure at byte %llu: %s\n", static_cast<unsigned long long>(error.offset), error.reason.c_str());
    return 1;
  }
  std::fprintf(out, "result: ok\n");
  return 0;
}
