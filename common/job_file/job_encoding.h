// The byte layout of preview and overlay files, field by field and unchecked: each call
// appends exactly the values it is given. PreviewWriter and OverlayWriter check the values
// before they use it; tests use it directly to make the damaged files the viewer refuses.
// Not installed with the writer.
#pragma once
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "job_writer.h"

namespace qex {

constexpr uint16_t kTagBytesRasterBand = 0xFFFF;  // -1
constexpr uint16_t kTagBytesFilledRect = 0xFFFE;  // -2
constexpr uint16_t kTagBytesLineRuns = 0xFFFC;    // -4
constexpr uint16_t kTagBytesEmpty = 0xFFFA;       // -6

// The 14-byte head of a raster band and its raster operation, as stored.
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

class JobBytes {
 public:
  JobBytes() = default;
  // Appends to `bytes`, taken over; Release() hands them back.
  explicit JobBytes(std::vector<uint8_t>&& bytes) : bytes_(std::move(bytes)) {}
  // The 6-byte header; xPitchByte as stored, 0x80 and above meaning mirrored.
  JobBytes(uint16_t width, uint16_t height, uint8_t xPitchByte, uint8_t yPitch) {
    U16(width).U16(height).U8(xPitchByte).U8(yPitch);
  }

  JobBytes& U8(uint8_t v) {
    bytes_.push_back(v);
    return *this;
  }
  JobBytes& U16(uint16_t v) { return U8(static_cast<uint8_t>(v)).U8(static_cast<uint8_t>(v >> 8)); }
  JobBytes& U32(uint32_t v) { return U16(static_cast<uint16_t>(v)).U16(static_cast<uint16_t>(v >> 16)); }
  JobBytes& Bytes(const uint8_t* data, size_t size) {
    bytes_.insert(bytes_.end(), data, data + size);
    return *this;
  }
  JobBytes& Bytes(const std::vector<uint8_t>& v) { return Bytes(v.data(), v.size()); }

  // Preview records.
  JobBytes& FilledRect(uint16_t originY, uint16_t left, uint16_t top, uint16_t right, uint16_t bottom, uint16_t pen) {
    return U16(kTagBytesFilledRect).U16(originY).U16(left).U16(top).U16(right).U16(bottom).U16(pen);
  }
  // The head of a line runs record (rowX stored as 0); `count` - 1 segments must follow.
  JobBytes& LineRunsHeader(int16_t count, uint16_t pen, int16_t rowY) {
    return U16(kTagBytesLineRuns).U16(static_cast<uint16_t>(count)).U16(pen).U16(0).U16(static_cast<uint16_t>(rowY));
  }
  JobBytes& LineRuns(uint16_t pen, int16_t rowY, const std::vector<std::pair<int16_t, int16_t>>& segments) {
    LineRunsHeader(static_cast<int16_t>(segments.size() + 1), pen, rowY);
    for (const auto& s : segments) U16(static_cast<uint16_t>(s.first)).U16(static_cast<uint16_t>(s.second));
    return *this;
  }
  // A band head and its rasterOp; rowCount x bytesPerRow bytes of rows must follow.
  JobBytes& RasterBandHeader(const BandFields& f) {
    U16(kTagBytesRasterBand).U16(f.originY).U16(f.originX).U16(f.firstRow).U16(f.bandWidth).U16(f.rowCount);
    return U16(f.bytesPerRow).U16(f.pen).U32(f.rasterOp);
  }
  JobBytes& RasterBand(const BandFields& f, const std::vector<uint8_t>& rows) {
    return RasterBandHeader(f).Bytes(rows);
  }
  JobBytes& Empty() { return U16(kTagBytesEmpty); }

  // An overlay record: pen, point count, then the points.
  JobBytes& Polyline(uint16_t pen, const std::vector<std::pair<int16_t, int16_t>>& points) {
    U16(pen).U16(static_cast<uint16_t>(points.size()));
    for (const auto& p : points) U16(static_cast<uint16_t>(p.first)).U16(static_cast<uint16_t>(p.second));
    return *this;
  }

  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::vector<uint8_t> Release() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace qex
