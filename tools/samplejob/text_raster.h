// Text-like 1-bit raster: lines of pseudo-letters in a 5 x 7 dot grid, deterministic.
#pragma once
#include <cstdint>
#include <vector>

struct TextStyle {
  int dot = 3;        // pixels per glyph dot
  uint32_t seed = 1;  // picks the words
};

// Rows [firstRow, firstRow + rowCount) of a text block `widthBits` pixels wide, packed
// 8 pixels a byte, most significant bit first; ink bits are 1 (inverted when inkIsZero).
std::vector<uint8_t> TextRows(const TextStyle& style, int widthBits, int firstRow, int rowCount, bool inkIsZero);

// A small deterministic generator (32-bit LCG) for the jobs' layout.
class Lcg {
 public:
  explicit Lcg(uint32_t seed) : state_(seed) {}
  uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  int Range(int low, int high) { return low + static_cast<int>(Next() % static_cast<uint32_t>(high - low + 1)); }

 private:
  uint32_t state_;
};
