// Text-like 1-bit raster: lines of pseudo-letters in a 5 x 7 dot grid, deterministic.
#include "tools/samplejob/text_raster.h"

#include <algorithm>

namespace {

constexpr int kGlyphDots = 5;
constexpr int kGlyphRows = 7;
constexpr int kCellDots = 6;
constexpr int kLineDots = 10;

// Seven rows of five dots for each of 26 pseudo-letters: a stem on one side and a
// pattern on the others, so that lines read like text at a glance.
uint8_t GlyphRow(int letter, int row) {
  Lcg lcg(static_cast<uint32_t>(letter) * 7919u + 17u);
  uint8_t rows[kGlyphRows];
  for (uint8_t& r : rows) r = static_cast<uint8_t>(lcg.Next() & 0x1F);
  const uint8_t stem = (letter % 3 == 0) ? 0x10 : (letter % 3 == 1 ? 0x01 : 0x04);
  return static_cast<uint8_t>(rows[row] | stem | (row == 0 || row == kGlyphRows - 1 ? 0x0E : 0));
}

// The letters of one text line, -1 for a space.
std::vector<int> LineText(uint32_t seed, int line, int cells) {
  Lcg lcg(seed * 131u + static_cast<uint32_t>(line) * 977u);
  std::vector<int> text;
  while (static_cast<int>(text.size()) < cells) {
    for (int n = lcg.Range(2, 8); n > 0; --n) text.push_back(lcg.Range(0, 25));
    text.push_back(-1);
  }
  text.resize(cells);
  return text;
}

}  // namespace

std::vector<uint8_t> TextRows(const TextStyle& style, int widthBits, int firstRow, int rowCount, bool inkIsZero) {
  const int bytesPerRow = (widthBits + 7) / 8;
  std::vector<uint8_t> rows(static_cast<size_t>(bytesPerRow) * rowCount, 0);
  const int cells = widthBits / (kCellDots * style.dot);
  int cachedLine = -1;
  std::vector<int> text;
  for (int r = 0; r < rowCount; ++r) {
    const int y = firstRow + r;
    const int line = y / (kLineDots * style.dot);
    const int glyphRow = (y / style.dot) % kLineDots - 1;  // one blank dot row above the letters
    uint8_t* out = &rows[static_cast<size_t>(r) * bytesPerRow];
    if (glyphRow >= 0 && glyphRow < kGlyphRows) {
      if (line != cachedLine) {
        text = LineText(style.seed, line, cells);
        cachedLine = line;
      }
      for (int cell = 0; cell < cells; ++cell) {
        if (text[cell] < 0) continue;
        const uint8_t dots = GlyphRow(text[cell], glyphRow);
        for (int d = 0; d < kGlyphDots; ++d) {
          if (!(dots & (0x10 >> d))) continue;
          const int x0 = (cell * kCellDots + d) * style.dot;
          for (int x = x0; x < std::min(x0 + style.dot, widthBits); ++x)
            out[x >> 3] |= static_cast<uint8_t>(0x80 >> (x & 7));
        }
      }
    }
    if (inkIsZero) {
      for (int b = 0; b < bytesPerRow; ++b) out[b] = static_cast<uint8_t>(~out[b]);
    }
  }
  return rows;
}
