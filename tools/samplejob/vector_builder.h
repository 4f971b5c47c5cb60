// Builds vector files in memory: the 6-byte preview header, then polylines of
// u16 pen, u16 pointCount and pointCount x (i16 x, i16 y).
#pragma once
#include <cstdint>
#include <utility>
#include <vector>

class VectorBuilder {
 public:
  VectorBuilder(uint16_t width, uint16_t height, uint8_t xPitchByte, uint8_t yPitch) {
    U16(width).U16(height);
    bytes_.push_back(xPitchByte);
    bytes_.push_back(yPitch);
  }
  VectorBuilder& Polyline(uint16_t pen, const std::vector<std::pair<int16_t, int16_t>>& points) {
    U16(pen).U16(static_cast<uint16_t>(points.size()));
    for (const auto& p : points) U16(static_cast<uint16_t>(p.first)).U16(static_cast<uint16_t>(p.second));
    return *this;
  }
  const std::vector<uint8_t>& bytes() const { return bytes_; }

 private:
  VectorBuilder& U16(uint16_t v) {
    bytes_.push_back(static_cast<uint8_t>(v));
    bytes_.push_back(static_cast<uint8_t>(v >> 8));
    return *this;
  }
  std::vector<uint8_t> bytes_;
};
