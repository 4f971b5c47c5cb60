// The VectorFile beside a preview file: a PreviewHeader, then polylines in pen colours,
// and where their points land in a picture area of a window.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "viewer/core/byte_cursor.h"
#include "viewer/core/file_error.h"
#include "viewer/core/preview_header_reader.h"
#include "viewer/core/picture_area.h"
#include "viewer/core/render_state.h"

// The overlay's name: the last three characters of `name` overwritten by "VCT", whatever
// they were. False for a name shorter than three characters (nothing before it is touched).
bool OverlayFileName(const std::string& name, std::string* overlayName);

// Records the header in `state` (headerWidth, headerHeight, mirrored) and sets zoom,
// scaleX and scaleY for a picture area `shownWidth` pixels wide: zoom is the quotient in
// single precision, and each scale factor is pitch x 0.1f x zoom formed in double
// precision and rounded to single precision once.
void SetOverlayScale(const qex::PreviewHeader& header, int shownWidth, RenderState& state);

struct FilePoint {
  int16_t x;
  int16_t y;
};

struct PolylineRecord {
  uint16_t pen = 0;
  std::vector<FilePoint> points;
};

// Reads the next PolylineRecord. 0 on success, -1 when the record is cut short, its pen
// is 8 or more or its points do not fit into memory (then `record` is unspecified and
// `error`, when given, says where and why).
int ReadPolylineRecord(ByteCursor& in, PolylineRecord* record, PreviewError* error = nullptr);

struct VectorPoint {
  int32_t x;
  int32_t y;
};

// Where the record's points land in `area` with the scale and mirror flag of `state`.
// False when the mapped points do not fit into memory.
bool MapPolylinePoints(const PolylineRecord& record, const RenderState& state, const PictureArea& area,
                      std::vector<VectorPoint>* points);
