// Builds preview files in memory, record by record, as the driver writes them; used by the
// sample-job generator and the renderer's tests.
#pragma once
#include <cstdint>
#include <utility>
#include <vector>

constexpr uint32_t kRopSrcCopy = 0x00CC0020;
constexpr uint32_t kRopSrcInvert = 0x00660046;

struct BandFields {
  uint16_t originY = 0;
  uint16_t originX = 0;
  uint16_t firstRow = 0;
  uint16_t bandWidth = 0;
  uint16_t rowCount = 0;
  uint16_t bytesPerRow = 0;
  uint16_t pen = 0;
  uint32_t rasterOp = kRopSrcInvert;
};

class PreviewBuilder {
 public:
  // xPitchByte is the header byte as stored: 0x80 and above mean mirrored.
  PreviewBuilder(uint16_t width, uint16_t height, uint8_t xPitchByte, uint8_t yPitch) {
    U16(width).U16(height).U8(xPitchByte).U8(yPitch);
  }

  PreviewBuilder& U8(uint8_t v) {
    bytes_.push_back(v);
    return *this;
  }
  PreviewBuilder& U16(uint16_t v) { return U8(static_cast<uint8_t>(v)).U8(static_cast<uint8_t>(v >> 8)); }
  PreviewBuilder& U32(uint32_t v) { return U16(static_cast<uint16_t>(v)).U16(static_cast<uint16_t>(v >> 16)); }
  PreviewBuilder& Bytes(const std::vector<uint8_t>& v) {
    bytes_.insert(bytes_.end(), v.begin(), v.end());
    return *this;
  }

  PreviewBuilder& FilledRect(uint16_t originY, uint16_t left, uint16_t top, uint16_t right, uint16_t bottom,
                             uint16_t pen) {
    return U16(0xFFFE).U16(originY).U16(left).U16(top).U16(right).U16(bottom).U16(pen);
  }
  // The header of a line runs record; `count` - 1 segments must follow.
  PreviewBuilder& LineRunsHeader(int16_t count, uint16_t pen, int16_t rowY) {
    return U16(0xFFFC).U16(static_cast<uint16_t>(count)).U16(pen).U16(0).U16(static_cast<uint16_t>(rowY));
  }
  PreviewBuilder& LineRuns(uint16_t pen, int16_t rowY, const std::vector<std::pair<int16_t, int16_t>>& segments) {
    LineRunsHeader(static_cast<int16_t>(segments.size() + 1), pen, rowY);
    for (const auto& s : segments) U16(static_cast<uint16_t>(s.first)).U16(static_cast<uint16_t>(s.second));
    return *this;
  }
  // A band header and its rasterOp; rowCount x bytesPerRow bytes of rows must follow.
  PreviewBuilder& RasterBandHeader(const BandFields& f) {
    U16(0xFFFF).U16(f.originY).U16(f.originX).U16(f.firstRow).U16(f.bandWidth).U16(f.rowCount);
    return U16(f.bytesPerRow).U16(f.pen).U32(f.rasterOp);
  }
  PreviewBuilder& RasterBand(const BandFields& f, const std::vector<uint8_t>& rows) {
    return RasterBandHeader(f).Bytes(rows);
  }
  PreviewBuilder& Empty() { return U16(0xFFFA); }

  const std::vector<uint8_t>& bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};
