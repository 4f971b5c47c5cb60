// The jobs of qexpreview that draw: render a preview file to image files, and describe one.
#include "tools/qexpreview/preview_tool.h"

#include <cstdint>
#include <cstring>

#include "tools/common/write_file.h"
#include "tools/qexpreview/job_listing.h"
#include "tools/qexpreview/png_output.h"
#include "viewer/core/bmp_writer.h"
#include "viewer/core/overlay_picture.h"
#include "viewer/core/preview_file.h"
#include "viewer/core/vector_file.h"

namespace {

uint32_t FloatBits(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

std::string Hex32(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
  return text;
}

// The snapshot BMP: its headers, then the picture's memory as it is.
bool WriteSnapshotBmp(const MemoryPicture& picture, const std::string& fileName) {
  uint8_t headers[kSnapshotHeadersSize];
  WriteSnapshotHeaders(picture, headers);
  return WriteFilePieces(fileName, {{headers, sizeof headers}, {picture.Bytes(), picture.ByteCount()}});
}

// Draws the job's overlay over the picture; what keeps it from being drawn whole is a warning.
void DrawJobOverlay(const std::string& job, RenderState& state, FILE* err) {
  std::string overlayName, reason;
  JobInput overlay;
  PreviewError error;
  if (!OverlayFileName(job, &overlayName)) {
    std::fprintf(err, "qexpreview: warning: %s: the name is too short to have an overlay\n", job.c_str());
  } else if (!overlay.Open(overlayName, &reason)) {
    std::fprintf(err, "qexpreview: warning: cannot open %s: %s; the PNG has no overlay\n", overlayName.c_str(),
                 reason.c_str());
  } else if (DrawOverlayIntoPicture(overlay.cursor(), state.picture, state, &error) != 0) {
    std::fprintf(err, "qexpreview: warning: %s: byte %llu: %s; the polylines before it are drawn\n",
                 overlayName.c_str(), static_cast<unsigned long long>(error.offset), error.reason.c_str());
  }
}

// Adds how the file ended to `fields`, or prints it; returns `result`.
int Finish(int result, const PreviewError& error, bool json, JsonFields& fields, FILE* out) {
  if (json) {
    AddResultJson(fields, result, error);
  } else {
    std::fprintf(out, "%s\n", ResultText(result, error).c_str());
  }
  return result;
}

int DescribePreview(JobInput& input, bool json, JsonFields& fields, FILE* out) {
  RenderState state;
  NoMonitorObserver observer;
  PreviewError error;
  RecordCounts counts;
  const int result = RenderPreview(input.cursor(), state, observer, &error, &counts);
  const bool drawn = state.picture.width() > 0;
  if (json) {
    const std::string none = "null";
    fields
        .Raw("header",
             drawn ? JsonFields().Number("width", state.headerWidth).Number("height", state.headerHeight).str() : none)
        .Raw("mirrored", drawn ? (state.mirrored ? "true" : "false") : none)
        .Raw(
            "picture",
            drawn ? JsonFields().Number("width", state.pictureWidth).Number("height", state.pictureHeight).str() : none)
        .Raw("zoom",
             drawn ? JsonFields().Real("value", state.zoom).Text("bits", Hex32(FloatBits(state.zoom))).str() : none)
        .Raw("scaleX",
             drawn ? JsonFields().Real("value", state.scaleX).Text("bits", Hex32(FloatBits(state.scaleX))).str() : none)
        .Raw("scaleY",
             drawn ? JsonFields().Real("value", state.scaleY).Text("bits", Hex32(FloatBits(state.scaleY))).str() : none)
        .Raw("records", JsonFields()
                            .Number("rasterBands", counts.rasterBands)
                            .Number("filledRects", counts.filledRects)
                            .Number("lineRuns", counts.lineRuns)
                            .Number("emptyRecords", counts.emptyRecords)
                            .str());
  } else if (drawn) {
    std::fprintf(out, "header: width %u, height %u\n", state.headerWidth, state.headerHeight);
    std::fprintf(out, "mirrored: %s\n", state.mirrored ? "yes" : "no");
    std::fprintf(out, "picture: %u x %u\n", state.pictureWidth, state.pictureHeight);
    std::fprintf(out, "zoom: %.9g (%s)\n", state.zoom, Hex32(FloatBits(state.zoom)).c_str());
    std::fprintf(out, "scaleX: %.9g (%s)\n", state.scaleX, Hex32(FloatBits(state.scaleX)).c_str());
    std::fprintf(out, "scaleY: %.9g (%s)\n", state.scaleY, Hex32(FloatBits(state.scaleY)).c_str());
    std::fprintf(out, "raster bands: %u\nfilled rectangles: %u\nline runs: %u\nempty records: %u\n", counts.rasterBands,
                 counts.filledRects, counts.lineRuns, counts.emptyRecords);
  }
  return Finish(result, error, json, fields, out);
}

int DescribeOverlay(JobInput& input, bool json, JsonFields& fields, FILE* out) {
  ListedRecord header;
  long long polylines = 0, points = 0;
  PreviewError error;
  const int result = WalkJob(
      input.cursor(), JobKind::kOverlay,
      [&](const ListedRecord& r) {
        if (r.kind == "header") {
          header = r;
        } else {
          ++polylines;
          points += static_cast<long long>(r.list.size());
        }
      },
      &error);
  const bool read = !header.fields.empty();
  const long long width = read ? header.fields[0].second : 0, height = read ? header.fields[1].second : 0;
  const long long xPitch = read ? header.fields[2].second : 0, yPitch = read ? header.fields[3].second : 0;
  if (json) {
    fields
        .Raw("header", read ? JsonFields()
                                  .Number("width", width)
                                  .Number("height", height)
                                  .Number("xPitch", xPitch)
                                  .Number("yPitch", yPitch)
                                  .str()
                            : "null")
        .Raw("mirrored", read ? (xPitch < 0 ? "true" : "false") : "null")
        .Raw("records", JsonFields().Number("polylines", polylines).Number("points", points).str());
  } else if (read) {
    std::fprintf(out, "header: width %lld, height %lld\nmirrored: %s\npitches: x %lld, y %lld\n", width, height,
                 xPitch < 0 ? "yes" : "no", xPitch < 0 ? -xPitch : xPitch, yPitch);
    std::fprintf(out, "polylines: %lld\npoints: %lld\n", polylines, points);
  }
  return Finish(result, error, json, fields, out);
}

}  // namespace

int RenderJob(const std::string& job, const std::string& bmpName, const std::string& pngName, bool overlay, FILE* err) {
  JobInput input;
  if (!input.Open(job, err)) return 1;
  RenderState state;
  NoMonitorObserver observer;
  PreviewError error;
  if (RenderPreview(input.cursor(), state, observer, &error) != 0) {
    std::fprintf(err, "qexpreview: %s: byte %llu: %s\n", job.c_str(), static_cast<unsigned long long>(error.offset),
                 error.reason.c_str());
    return 1;
  }
  if (!bmpName.empty() && !WriteSnapshotBmp(state.picture, bmpName)) {
    std::fprintf(err, "qexpreview: cannot write %s\n", bmpName.c_str());
    return 1;
  }
  if (pngName.empty()) return 0;
  if (overlay) DrawJobOverlay(job, state, err);
  std::string reason;
  if (!WritePng(state.picture, pngName, &reason)) {
    std::fprintf(err, "qexpreview: %s\n", reason.c_str());
    return 1;
  }
  return 0;
}

int DescribeJob(const std::string& fileName, JobKind kind, bool json, FILE* out, FILE* err) {
  JobInput input;
  if (!input.Open(fileName, err)) return 1;
  JsonFields fields;
  fields.Text("file", fileName).Text("kind", kind == JobKind::kOverlay ? "overlay" : "preview");
  const int result =
      kind == JobKind::kOverlay ? DescribeOverlay(input, json, fields, out) : DescribePreview(input, json, fields, out);
  if (json) std::fprintf(out, "%s\n", fields.str().c_str());
  return result == 0 ? 0 : 1;
}
