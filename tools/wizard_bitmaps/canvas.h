// A small palette-indexed canvas with block-stroke glyphs, and BMP encoding of it.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct Segment {
  double u0, v0, u1, v1;  // in the unit box, v down
};
using Glyph = std::vector<Segment>;

// The strokes of 'A'..'Z', the digits, '=' and '/'; none for other characters.
const Glyph& GlyphFor(char c);

struct Canvas {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> index;  // palette index per pixel, top-down

  Canvas(int w, int h, uint8_t background);
  void Set(int x, int y, uint8_t colour);
  uint8_t At(int x, int y) const { return index[static_cast<size_t>(y) * width + x]; }
  void Fill(int left, int top, int right, int bottom, uint8_t colour);  // right, bottom excluded
  // Draws the glyph with a square pen of half-size `pen`, its ink touching every side of
  // the box [left, right] x [top, bottom] (pixels, inclusive).
  void DrawGlyph(const Glyph& glyph, int left, int top, int right, int bottom, int pen, uint8_t colour);
  // Draws `text` in boxes of glyphWidth x glyphHeight pixels, `gap` apart, from (left, top);
  // an 'I' takes a box one stroke wide.
  void DrawText(const std::string& text, int left, int top, int glyphWidth, int glyphHeight, int gap, int pen,
                uint8_t colour);
};

using Palette = std::vector<std::array<uint8_t, 3>>;  // r, g, b

// A bottom-up BMP file of 1 or 4 bits per pixel with the given colour table.
std::vector<uint8_t> EncodeBmp(const Canvas& canvas, int bitsPerPixel, const Palette& palette);
