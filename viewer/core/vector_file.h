// The VectorFile beside a preview file: a PreviewHeader, then polylines in pen colours,
// and where their points land in a picture area of a window.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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
bool ReadVectorHeader(const uint8_t* data, size_t size, VectorHeader* header);

// Records the header in `state` (headerWidth, headerHeight, mirrored) and sets zoom,
// scaleX and scaleY in single precision for a picture area `shownWidth` pixels wide.
void SetOverlayScale(const VectorHeader& header, int shownWidth, RenderState& state);

struct VectorPoint {
  int32_t x;
  int32_t y;
};

// Reads the PolylineRecord at `*offset` and maps its points into `area` with the scale
// and mirror flag of `state`; advances `*offset` past it. 0 on success, -1 when the record
// is cut short or its pen is 8 or more (then `*offset` and the outputs are unspecified).
int ReadPolylineRecord(const uint8_t* data, size_t size, size_t* offset, const RenderState& state,
                       const PictureArea& area, uint32_t* colorref, std::vector<VectorPoint>* points);
