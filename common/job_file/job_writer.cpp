// Checks each record against what the viewer accepts, then stores it.
#include "job_writer.h"

#include <initializer_list>
#include <new>

#include "job_encoding.h"

namespace qex {
namespace {

// Empty when lowest <= value <= highest, else "NAME VALUE is not within LOWEST..HIGHEST".
std::string Range(const char* name, long long value, long long lowest, long long highest) {
  if (value >= lowest && value <= highest) return {};
  return std::string(name) + " " + std::to_string(value) + " is not within " + std::to_string(lowest) + ".." +
         std::to_string(highest);
}

std::string U16Field(const char* name, int value) { return Range(name, value, 0, 65535); }
std::string I16Field(const char* name, int value) { return Range(name, value, -32768, 32767); }
std::string Pen(int pen) { return Range("pen", pen, 0, kJobPenCount - 1); }

// The first non-empty reason.
std::string First(std::initializer_list<std::string> reasons) {
  for (const std::string& reason : reasons) {
    if (!reason.empty()) return reason;
  }
  return {};
}

// Empty when the header can be written, else why not.
std::string CheckPreviewHeader(const PreviewHeader& h) {
  std::string reason = First(
      {Range("width", h.width, 1, 65535), Range("height", h.height, 1, 65535), Range("y pitch", h.yPitch, 1, 255)});
  if (reason.empty() && (h.xPitch == 0 || h.xPitch < -128 || h.xPitch > 127)) {
    reason = "x pitch " + std::to_string(h.xPitch) + " is not within 1..127 or -128..-1 (mirrored)";
  }
  return reason;
}

}  // namespace

bool JobFileWriter::Refuse(const char* record, const std::string& reason) {
  error_ = record ? "record " + std::to_string(records_) + ": " + record + ": " + reason : "header: " + reason;
  return false;
}

bool JobFileWriter::Writable(const char* record) {
  if (!error_.empty()) return false;
  return begun_ || Refuse(record, "the header is not written yet");
}

template <typename Encode>
bool JobFileWriter::Append(const char* record, Encode encode) {
  const size_t before = bytes_.size();
  JobBytes out(std::move(bytes_));
  try {
    encode(out);
  } catch (const std::bad_alloc&) {
    // What was appended of the record goes again; the file ends before it.
    bytes_ = out.Release();
    bytes_.resize(before);
    return Refuse(record, "no memory for the record");
  }
  bytes_ = out.Release();
  ++records_;
  return true;
}

bool JobFileWriter::Begin(const PreviewHeader& header) {
  if (!error_.empty()) return false;
  if (begun_) return Refuse(nullptr, "written already");
  const std::string reason = CheckPreviewHeader(header);
  if (!reason.empty()) return Refuse(nullptr, reason);
  bytes_ = JobBytes(static_cast<uint16_t>(header.width), static_cast<uint16_t>(header.height),
                    static_cast<uint8_t>(header.xPitch), static_cast<uint8_t>(header.yPitch))
               .Release();
  begun_ = true;
  return true;
}

bool PreviewWriter::RasterBand(const RasterBandRecord& b) {
  if (!Writable("raster band")) return false;
  std::string reason = First({U16Field("originY", b.originY), U16Field("originX", b.originX),
                              U16Field("firstRow", b.firstRow), U16Field("bandWidth", b.bandWidth),
                              U16Field("rowCount", b.rowCount), U16Field("bytesPerRow", b.bytesPerRow), Pen(b.pen)});
  const size_t announced = static_cast<size_t>(b.rowCount) * static_cast<size_t>(b.bytesPerRow);
  if (reason.empty() && b.rowCount > 0 && b.bytesPerRow == 0) {
    reason = std::to_string(b.rowCount) + " rows of 0 bytes";
  } else if (reason.empty() && b.rows.size() != announced) {
    reason = std::to_string(b.rows.size()) + " bytes of rows where " + std::to_string(b.rowCount) + " rows of " +
             std::to_string(b.bytesPerRow) + " bytes announce " + std::to_string(announced);
  }
  if (!reason.empty()) return Refuse("raster band", reason);
  BandFields fields;
  fields.originY = static_cast<uint16_t>(b.originY);
  fields.originX = static_cast<uint16_t>(b.originX);
  fields.firstRow = static_cast<uint16_t>(b.firstRow);
  fields.bandWidth = static_cast<uint16_t>(b.bandWidth);
  fields.rowCount = static_cast<uint16_t>(b.rowCount);
  fields.bytesPerRow = static_cast<uint16_t>(b.bytesPerRow);
  fields.pen = static_cast<uint16_t>(b.pen);
  fields.rasterOp = b.rasterOp;
  return Append("raster band", [&](JobBytes& out) { out.RasterBand(fields, b.rows); });
}

bool PreviewWriter::FilledRect(const FilledRectRecord& r) {
  if (!Writable("filled rectangle")) return false;
  const std::string reason = First({U16Field("originY", r.originY), U16Field("left", r.left), U16Field("top", r.top),
                                    U16Field("right", r.right), U16Field("bottom", r.bottom), Pen(r.pen)});
  if (!reason.empty()) return Refuse("filled rectangle", reason);
  return Append("filled rectangle", [&](JobBytes& out) {
    out.FilledRect(static_cast<uint16_t>(r.originY), static_cast<uint16_t>(r.left), static_cast<uint16_t>(r.top),
                   static_cast<uint16_t>(r.right), static_cast<uint16_t>(r.bottom), static_cast<uint16_t>(r.pen));
  });
}

bool PreviewWriter::LineRuns(const LineRunsRecord& runs) {
  if (!Writable("line runs")) return false;
  // The stored count includes the row pair, and it is a signed 16-bit number.
  std::string reason = First({Pen(runs.pen), I16Field("rowY", runs.rowY),
                              Range("segment count", static_cast<long long>(runs.segments.size()), 0, 32766)});
  for (size_t i = 0; reason.empty() && i < runs.segments.size(); ++i) {
    reason = First({I16Field("xStart", runs.segments[i].xStart), I16Field("xEnd", runs.segments[i].xEnd)});
    if (!reason.empty()) reason = "segment " + std::to_string(i) + ": " + reason;
  }
  if (!reason.empty()) return Refuse("line runs", reason);
  return Append("line runs", [&](JobBytes& out) {
    std::vector<std::pair<int16_t, int16_t>> segments;
    segments.reserve(runs.segments.size());
    for (const LineSegment& s : runs.segments)
      segments.emplace_back(static_cast<int16_t>(s.xStart), static_cast<int16_t>(s.xEnd));
    out.LineRuns(static_cast<uint16_t>(runs.pen), static_cast<int16_t>(runs.rowY), segments);
  });
}

bool PreviewWriter::Empty() {
  if (!Writable("empty record")) return false;
  return Append("empty record", [](JobBytes& out) { out.Empty(); });
}

bool OverlayWriter::Polyline(const OverlayPolyline& polyline) {
  if (!Writable("polyline")) return false;
  std::string reason =
      First({Pen(polyline.pen), Range("point count", static_cast<long long>(polyline.points.size()), 0, 65535)});
  for (size_t i = 0; reason.empty() && i < polyline.points.size(); ++i) {
    reason = First({I16Field("x", polyline.points[i].x), I16Field("y", polyline.points[i].y)});
    if (!reason.empty()) reason = "point " + std::to_string(i) + ": " + reason;
  }
  if (!reason.empty()) return Refuse("polyline", reason);
  return Append("polyline", [&](JobBytes& out) {
    std::vector<std::pair<int16_t, int16_t>> points;
    points.reserve(polyline.points.size());
    for (const OverlayPoint& p : polyline.points)
      points.emplace_back(static_cast<int16_t>(p.x), static_cast<int16_t>(p.y));
    out.Polyline(static_cast<uint16_t>(polyline.pen), points);
  });
}

}  // namespace qex
