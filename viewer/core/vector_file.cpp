// The VectorFile: header, polyline records and the mapping of their points.
#include "viewer/core/vector_file.h"

#include <new>

#include "viewer/core/pen_palette.h"

bool OverlayFileName(const std::string& name, std::string* overlayName) {
  if (name.size() < 3) return false;
  *overlayName = name.substr(0, name.size() - 3) + "VCT";
  return true;
}

void SetOverlayScale(const qex::PreviewHeader& header, int shownWidth, RenderState& state) {
  state.headerWidth = static_cast<uint16_t>(header.width);
  state.headerHeight = static_cast<uint16_t>(header.height);
  state.mirrored = header.mirrored();
  // A header of width 0 leaves an empty picture area; its zoom is 0 rather than 0 / 0.
  state.zoom = header.width == 0 ? 0.0f : static_cast<float>(shownWidth) / static_cast<float>(header.width);
  const double tenth = 0.1f;
  state.scaleX = static_cast<float>(header.xPitchSize() * tenth * state.zoom);
  state.scaleY = static_cast<float>(header.yPitch * tenth * state.zoom);
}

int ReadPolylineRecord(ByteCursor& in, PolylineRecord* record, PreviewError* error) {
  const uint64_t start = in.offset();
  uint16_t count;
  if (!in.ReadU16(&record->pen) || !in.ReadU16(&count)) return PreviewFailure(error, start, "polyline head cut short");
  if (record->pen >= kPenCount) return BadPen(error, start, record->pen);
  // The count is checked against the bytes left before anything is allocated for it.
  if (in.remaining() / 4 < count) {
    return PreviewFailure(
        error, start + 4,
        "polyline announces " + std::to_string(count) + " points, " + std::to_string(in.remaining()) + " bytes left");
  }
  try {
    record->points.resize(count);
  } catch (const std::bad_alloc&) {
    return PreviewFailure(error, start, "no memory for the points");
  }
  for (FilePoint& point : record->points) {
    if (!in.ReadI16(&point.x) || !in.ReadI16(&point.y))
      return PreviewFailure(error, in.offset(), "cannot read the file");
  }
  return 0;
}

bool MapPolylinePoints(const PolylineRecord& record, const RenderState& state, const PictureArea& area,
                       std::vector<VectorPoint>* points) {
  try {
    points->resize(record.points.size());
  } catch (const std::bad_alloc&) {
    return false;
  }
  const int xBase = state.mirrored ? area.x0 + area.w - 1 : area.x0;
  for (size_t i = 0; i < record.points.size(); ++i) {
    const FilePoint& from = record.points[i];
    const int signedX = state.mirrored ? -from.x : from.x;
    (*points)[i] =
        VectorPoint{xBase + ScaleToPixel(signedX, state.scaleX), area.y0 + ScaleToPixel(from.y, state.scaleY)};
  }
  return true;
}
