// The VectorFile beside a preview file: a PreviewHeader, then polylines in pen colours,
// and where their points land in a picture area of a window.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "viewer/core/byte_cursor.h"
#include "viewer/core/picture_area.h"
#include "viewer/core/render_state.h"

constexpr size_t kPreviewHeaderSize = 6;

// The overlay's name: the last three characters of `name` overwritten by "VCT", whatever
// they were. False for a name shorter than three characters (nothing before it is touched).
bool OverlayFileName(const std::string& name, std::string* overlayName);

struct VectorHeader {
  uint16_t width = 0;
  uint16_t height = 0;
  uint8_t xPitch = 0;  // tenths of a picture pixel per file unit, sign removed
  uint8_t yPitch = 0;
  int mirrored = 0;    // the stored x pitch byte was negative
};

// Decodes the 6-byte header; false when the data are shorter.
bool ReadVectorHeader(ByteCursor& in, VectorHeader* header);

// Records the header in `state` (headerWidth, headerHeight, mirrored) and sets zoom,
// scaleX and scaleY for a picture area `shownWidth` pixels wide: zoom is the quotient in
// single precision, and each scale factor is pitch x 0.1f x zoom formed in double
// precision and rounded to single precision once.
void SetOverlayScale(const VectorHeader& header, int shownWidth, RenderState& state);

struct FilePoint {
  int16_t x;
  int16_t y;
};

struct PolylineRecord {
  uint16_t pen = 0;
  std::vector<FilePoint> points;
};

// Reads the next PolylineRecord. 0 on success, -1 when the record is cut short, its pen
// is 8 or more or its points do not fit into memory (then `record` is unspecified).
int ReadPolylineRecord(ByteCursor& in, PolylineRecord* record);

struct VectorPoint {
  int32_t x;
  int32_t y;
};

// Where the record's points land in `area` with the scale and mirror flag of `state`.
// 0, or -1 when the mapped points do not fit into memory.
int MapPolylinePoints(const PolylineRecord& record, const RenderState& state, const PictureArea& area,
                      std::vector<VectorPoint>* points);
