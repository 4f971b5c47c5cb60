// A palette-indexed canvas, block-stroke glyphs and BMP encoding.
#include "tools/wizard_bitmaps/canvas.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// L-infinity distance from (qx, qy) to the segment (ax, ay)-(bx, by): the square pen's reach.
double SquareDistance(double qx, double qy, double ax, double ay, double bx, double by) {
  const double a = ax - qx, b = bx - ax, c = ay - qy, d = by - ay;
  auto at = [&](double t) { return std::max(std::fabs(a + b * t), std::fabs(c + d * t)); };
  double best = std::min(at(0), at(1));
  // The convex piecewise-linear distance has its minimum at a breakpoint.
  const double candidates[] = {b != 0 ? -a / b : -1, d != 0 ? -c / d : -1, b - d != 0 ? (c - a) / (b - d) : -1,
                               b + d != 0 ? -(a + c) / (b + d) : -1};
  for (double t : candidates)
    if (t > 0 && t < 1) best = std::min(best, at(t));
  return best;
}

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

const Glyph& GlyphFor(char c) {
  // The strokes of each letter, laid out by hand.
  // clang-format off
  static const std::map<char, Glyph> glyphs = {
      {'A', {{0, 1, 0.5, 0}, {0.5, 0, 1, 1}, {0.22, 0.64, 0.78, 0.64}}},
      {'B', {{0, 0, 0, 1}, {0, 0, 0.78, 0}, {0.78, 0, 0.92, 0.12}, {0.92, 0.12, 0.92, 0.36},
             {0.92, 0.36, 0.78, 0.48}, {0, 0.48, 0.8, 0.48}, {0.8, 0.48, 1, 0.6}, {1, 0.6, 1, 0.88},
             {1, 0.88, 0.85, 1}, {0, 1, 0.85, 1}}},
      {'C', {{1, 0.15, 0.8, 0}, {0.8, 0, 0.2, 0}, {0.2, 0, 0, 0.2}, {0, 0.2, 0, 0.8}, {0, 0.8, 0.2, 1},
             {0.2, 1, 0.8, 1}, {0.8, 1, 1, 0.85}}},
      {'D', {{0, 0, 0, 1}, {0, 0, 0.7, 0}, {0.7, 0, 1, 0.25}, {1, 0.25, 1, 0.75}, {1, 0.75, 0.7, 1}, {0.7, 1, 0, 1}}},
      {'E', {{0, 0, 0, 1}, {0, 0, 1, 0}, {0, 0.48, 0.85, 0.48}, {0, 1, 1, 1}}},
      {'F', {{0, 0, 0, 1}, {0, 0, 1, 0}, {0, 0.48, 0.85, 0.48}}},
      {'G', {{1, 0.15, 0.8, 0}, {0.8, 0, 0.2, 0}, {0.2, 0, 0, 0.2}, {0, 0.2, 0, 0.8}, {0, 0.8, 0.2, 1},
             {0.2, 1, 0.8, 1}, {0.8, 1, 1, 0.8}, {1, 0.8, 1, 0.55}, {1, 0.55, 0.55, 0.55}}},
      {'H', {{0, 0, 0, 1}, {1, 0, 1, 1}, {0, 0.48, 1, 0.48}}},
      {'I', {{0, 0, 0, 1}, {1, 0, 1, 1}}},
      {'J', {{1, 0, 1, 0.8}, {1, 0.8, 0.8, 1}, {0.8, 1, 0.2, 1}, {0.2, 1, 0, 0.8}, {0, 0.8, 0, 0.65}}},
      {'K', {{0, 0, 0, 1}, {1, 0, 0, 0.6}, {0.3, 0.42, 1, 1}}},
      {'L', {{0, 0, 0, 1}, {0, 1, 1, 1}}},
      {'M', {{0, 1, 0, 0}, {0, 0, 0.5, 0.6}, {0.5, 0.6, 1, 0}, {1, 0, 1, 1}}},
      {'N', {{0, 1, 0, 0}, {0, 0, 1, 1}, {1, 1, 1, 0}}},
      {'O', {{0.25, 0, 0.75, 0}, {0.75, 0, 1, 0.22}, {1, 0.22, 1, 0.78}, {1, 0.78, 0.75, 1}, {0.75, 1, 0.25, 1},
             {0.25, 1, 0, 0.78}, {0, 0.78, 0, 0.22}, {0, 0.22, 0.25, 0}}},
      {'P', {{0, 0, 0, 1}, {0, 0, 0.8, 0}, {0.8, 0, 1, 0.15}, {1, 0.15, 1, 0.4}, {1, 0.4, 0.8, 0.55},
             {0.8, 0.55, 0, 0.55}}},
      {'Q', {{0.25, 0, 0.75, 0}, {0.75, 0, 0.95, 0.2}, {0.95, 0.2, 0.95, 0.72}, {0.95, 0.72, 0.72, 0.92},
             {0.72, 0.92, 0.25, 0.92}, {0.25, 0.92, 0, 0.72}, {0, 0.72, 0, 0.2}, {0, 0.2, 0.25, 0},
             {0.6, 0.7, 1, 1}}},
      {'R', {{0, 0, 0, 1}, {0, 0, 0.8, 0}, {0.8, 0, 1, 0.15}, {1, 0.15, 1, 0.4}, {1, 0.4, 0.8, 0.55},
             {0.8, 0.55, 0, 0.55}, {0.45, 0.55, 1, 1}}},
      {'S', {{1, 0.12, 0.85, 0}, {0.85, 0, 0.15, 0}, {0.15, 0, 0, 0.12}, {0, 0.12, 0, 0.38}, {0, 0.38, 0.15, 0.5},
             {0.15, 0.5, 0.85, 0.5}, {0.85, 0.5, 1, 0.62}, {1, 0.62, 1, 0.88}, {1, 0.88, 0.85, 1},
             {0.85, 1, 0.15, 1}, {0.15, 1, 0, 0.88}}},
      {'T', {{0, 0, 1, 0}, {0.5, 0, 0.5, 1}}},
      {'U', {{0, 0, 0, 0.8}, {0, 0.8, 0.2, 1}, {0.2, 1, 0.8, 1}, {0.8, 1, 1, 0.8}, {1, 0.8, 1, 0}}},
      {'V', {{0, 0, 0.5, 1}, {0.5, 1, 1, 0}}},
      {'W', {{0, 0, 0.25, 1}, {0.25, 1, 0.5, 0.4}, {0.5, 0.4, 0.75, 1}, {0.75, 1, 1, 0}}},
      {'X', {{0, 0, 1, 1}, {1, 0, 0, 1}}},
      {'Y', {{0, 0, 0.5, 0.5}, {1, 0, 0.5, 0.5}, {0.5, 0.5, 0.5, 1}}},
      {'Z', {{0, 0, 1, 0}, {1, 0, 0, 1}, {0, 1, 1, 1}}},
      {'0', {{0, 0, 1, 0}, {1, 0, 1, 1}, {1, 1, 0, 1}, {0, 1, 0, 0}}},
      {'1', {{0.2, 0.2, 0.6, 0}, {0.6, 0, 0.6, 1}, {0.2, 1, 1, 1}}},
      {'2', {{0, 0, 1, 0}, {1, 0, 1, 0.5}, {1, 0.5, 0, 0.5}, {0, 0.5, 0, 1}, {0, 1, 1, 1}}},
      {'3', {{0, 0, 1, 0}, {1, 0, 1, 1}, {1, 1, 0, 1}, {0.25, 0.5, 1, 0.5}}},
      {'4', {{0.7, 1, 0.7, 0}, {0.7, 0, 0, 0.65}, {0, 0.65, 1, 0.65}}},
      {'5', {{1, 0, 0, 0}, {0, 0, 0, 0.5}, {0, 0.5, 1, 0.5}, {1, 0.5, 1, 1}, {1, 1, 0, 1}}},
      {'6', {{1, 0, 0, 0}, {0, 0, 0, 1}, {0, 1, 1, 1}, {1, 1, 1, 0.5}, {1, 0.5, 0, 0.5}}},
      {'7', {{0, 0, 1, 0}, {1, 0, 0.3, 1}}},
      {'8', {{0, 0, 1, 0}, {1, 0, 1, 1}, {1, 1, 0, 1}, {0, 1, 0, 0}, {0, 0.5, 1, 0.5}}},
      {'9', {{1, 0.5, 0, 0.5}, {0, 0.5, 0, 0}, {0, 0, 1, 0}, {1, 0, 1, 1}, {1, 1, 0, 1}}},
      {'=', {{0, 0.35, 1, 0.35}, {0, 0.65, 1, 0.65}}},
      {'/', {{0, 1, 1, 0}}},
  };
  // clang-format on
  static const Glyph none;
  const auto found = glyphs.find(c);
  return found == glyphs.end() ? none : found->second;
}

Canvas::Canvas(int w, int h, uint8_t background) : width(w), height(h), index(static_cast<size_t>(w) * h, background) {}

void Canvas::Set(int x, int y, uint8_t colour) {
  if (x >= 0 && y >= 0 && x < width && y < height) index[static_cast<size_t>(y) * width + x] = colour;
}

void Canvas::Fill(int left, int top, int right, int bottom, uint8_t colour) {
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) Set(x, y, colour);
}

void Canvas::DrawGlyph(const Glyph& glyph, int left, int top, int right, int bottom, int pen, uint8_t colour) {
  const double spanX = right - left - 2 * pen, spanY = bottom - top - 2 * pen;
  for (const Segment& s : glyph) {
    const double ax = left + pen + s.u0 * spanX, ay = top + pen + s.v0 * spanY;
    const double bx = left + pen + s.u1 * spanX, by = top + pen + s.v1 * spanY;
    for (int y = top; y <= bottom; ++y)
      for (int x = left; x <= right; ++x)
        if (SquareDistance(x, y, ax, ay, bx, by) <= pen) Set(x, y, colour);
  }
}

void Canvas::DrawText(const std::string& text, int left, int top, int glyphWidth, int glyphHeight, int gap, int pen,
                      uint8_t colour) {
  for (char c : text) {
    const int boxWidth = c == 'I' ? 2 * pen + 1 : glyphWidth;
    DrawGlyph(GlyphFor(c), left, top, left + boxWidth - 1, top + glyphHeight - 1, pen, colour);
    left += boxWidth + gap;
  }
}

std::vector<uint8_t> EncodeBmp(const Canvas& canvas, int bitsPerPixel, const Palette& palette) {
  const uint32_t stride = ((static_cast<uint32_t>(canvas.width) * bitsPerPixel + 31) / 32) * 4;
  const uint32_t imageSize = stride * static_cast<uint32_t>(canvas.height);
  const uint32_t offset = 14 + 40 + 4 * static_cast<uint32_t>(palette.size());
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  PutLe(out, offset + imageSize, 4);
  PutLe(out, 0, 4);
  PutLe(out, offset, 4);
  PutLe(out, 40, 4);
  PutLe(out, static_cast<uint32_t>(canvas.width), 4);
  PutLe(out, static_cast<uint32_t>(canvas.height), 4);
  PutLe(out, 1, 2);
  PutLe(out, static_cast<uint32_t>(bitsPerPixel), 2);
  PutLe(out, 0, 4);  // BI_RGB
  PutLe(out, imageSize, 4);
  PutLe(out, 0, 4);
  PutLe(out, 0, 4);
  PutLe(out, static_cast<uint32_t>(palette.size()), 4);
  PutLe(out, 0, 4);
  for (const auto& rgb : palette) {
    out.push_back(rgb[2]);
    out.push_back(rgb[1]);
    out.push_back(rgb[0]);
    out.push_back(0);
  }
  for (int y = canvas.height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(stride, 0);
    for (int x = 0; x < canvas.width; ++x) {
      const int bit = x * bitsPerPixel;
      const int shift = 8 - bitsPerPixel - bit % 8;
      row[bit / 8] = static_cast<uint8_t>(row[bit / 8] | (canvas.At(x, y) << shift));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}
