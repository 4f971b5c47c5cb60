// The VectorFile: header, polyline records and the mapping of their points.
#include "viewer/core/vector_file.h"

#include "viewer/core/pen_palette.h"

namespace {

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

// trunc(v x factor), the product formed in double precision.
int Scaled(int v, float factor) { return static_cast<int>(static_cast<double>(v) * static_cast<double>(factor)); }

}  // namespace

bool OverlayFileName(const std::string& name, std::string* overlayName) {
  if (name.size() < 3) return false;
  *overlayName = name.substr(0, name.size() - 3) + "VCT";
  return true;
}

bool ReadVectorHeader(const uint8_t* data, size_t size, VectorHeader* header) {
  if (size < kPreviewHeaderSize) return false;
  header->width = U16(data);
  header->height = U16(data + 2);
  const uint8_t xPitch = data[4];
  header->mirrored = xPitch >= 0x80 ? 1 : 0;
  header->xPitch = header->mirrored ? static_cast<uint8_t>(-xPitch) : xPitch;
  header->yPitch = data[5];
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
  size_t pos = *offset;
  if (pos > size || size - pos < 4) return -1;
  const uint16_t pen = U16(data + pos);
  const uint16_t count = U16(data + pos + 2);
  pos += 4;
  if (pen >= kPenCount) return -1;
  if ((size - pos) / 4 < count) return -1;
  const int xBase = state.mirrored ? area.x0 + area.w - 1 : area.x0;
  points->resize(count);
  for (VectorPoint& point : *points) {
    int x = static_cast<int16_t>(U16(data + pos));
    const int y = static_cast<int16_t>(U16(data + pos + 2));
    pos += 4;
    if (state.mirrored) x = -x;
    point.x = xBase + Scaled(x, state.scaleX);
    point.y = area.y0 + Scaled(y, state.scaleY);
  }
  *colorref = PenPalette[pen];
  *offset = pos;
  return 0;
}
