// The VectorFile: header, polyline records and the mapping of their points.
#include "viewer/core/vector_file.h"

#include "viewer/core/byte_cursor.h"
#include "viewer/core/pen_palette.h"

namespace {

// trunc(v x factor), the product formed in double precision.
int Scaled(int v, float factor) { return static_cast<int>(static_cast<double>(v) * static_cast<double>(factor)); }

}  // namespace

bool OverlayFileName(const std::string& name, std::string* overlayName) {
  if (name.size() < 3) return false;
  *overlayName = name.substr(0, name.size() - 3) + "VCT";
  return true;
}

bool ReadVectorHeader(const uint8_t* data, size_t size, VectorHeader* header) {
  ByteCursor in(data, size);
  uint8_t xPitch = 0;
  if (!in.ReadU16(&header->width) || !in.ReadU16(&header->height) || !in.ReadU8(&xPitch) ||
      !in.ReadU8(&header->yPitch)) {
    return false;
  }
  header->mirrored = xPitch >= 0x80 ? 1 : 0;
  header->xPitch = header->mirrored ? static_cast<uint8_t>(-xPitch) : xPitch;
  return true;
}

void SetOverlayScale(const VectorHeader& header, int shownWidth, RenderState& state) {
  state.headerWidth = header.width;
  state.headerHeight = header.height;
  state.mirrored = header.mirrored;
  // A header of width 0 leaves an empty picture area; its zoom is 0 rather than 0 / 0.
  state.zoom = header.width == 0 ? 0.0f : static_cast<float>(shownWidth) / static_cast<float>(header.width);
  state.scaleX = static_cast<float>(header.xPitch) * 0.1f * state.zoom;
  state.scaleY = static_cast<float>(header.yPitch) * 0.1f * state.zoom;
}

int ReadPolylineRecord(const uint8_t* data, size_t size, size_t* offset, const RenderState& state,
                       const PictureArea& area, uint32_t* colorref, std::vector<VectorPoint>* points) {
  if (*offset > size) return -1;
  ByteCursor in(data + *offset, size - *offset);
  uint16_t pen = 0;
  uint16_t count = 0;
  if (!in.ReadU16(&pen) || !in.ReadU16(&count) || pen >= kPenCount) return -1;
  if (in.remaining() / 4 < count) return -1;
  const int xBase = state.mirrored ? area.x0 + area.w - 1 : area.x0;
  points->resize(count);
  for (VectorPoint& point : *points) {
    int16_t x = 0;
    int16_t y = 0;
    in.ReadI16(&x);
    in.ReadI16(&y);
    const int signedX = state.mirrored ? -x : x;
    point.x = xBase + Scaled(signedX, state.scaleX);
    point.y = area.y0 + Scaled(y, state.scaleY);
  }
  *colorref = PenPalette[pen];
  *offset += in.offset();
  return 0;
}
