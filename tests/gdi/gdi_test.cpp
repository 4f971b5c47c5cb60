// The memory picture against real GDI, pixel for pixel: rectangles, horizontal lines and
// pixels. The painting tests hold the memory overlay's polylines to the viewer's on screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "common/win32/scoped.h"
#include "viewer/core/memory_picture.h"

namespace {

// Draws with GDI into a white 32-bit DIB section of the picture's size and compares.
void ExpectEqualToGdi(const MemoryPicture& picture, const std::function<void(HDC)>& draw) {
  BITMAPINFO info{};
  info.bmiHeader =
      BITMAPINFOHEADER{sizeof info.bmiHeader, picture.width(), -picture.height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  ScopedCreatedDc dc(CreateCompatibleDC(nullptr));
  ScopedBitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  ASSERT_TRUE(dc && bitmap);
  {
    ScopedSelect select(dc.get(), bitmap.get());
    PatBlt(dc.get(), 0, 0, picture.width(), picture.height(), WHITENESS);
    draw(dc.get());
    GdiFlush();
  }
  const uint32_t* gdi = static_cast<const uint32_t*>(bits);
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x)
      ASSERT_EQ(picture.Pixel(x, y), gdi[y * picture.width() + x]) << "at " << x << "," << y;
  }
}

struct Operation {
  enum Kind { kRect, kLine, kPixel } kind;
  int a, b, c = 0, d = 0;  // rect: left top right bottom; line: x1 x2 y; pixel: x y
};

TEST(GdiPicture, RectanglesLinesAndPixelsEqualGdi) {
  const COLORREF colours[] = {0x000066FF, 0x00FF0000, 0x00000000};
  const struct {
    const char* name;
    std::vector<Operation> operations;
  } cases[] = {
      // on 16 x 8
      {"rects normal and inverted",
       {{Operation::kRect, 2, 1, 6, 4}, {Operation::kRect, 9, 1, 3, 4}, {Operation::kRect, 9, 6, 3, 2}}},
      {"rects empty", {{Operation::kRect, 4, 1, 4, 5}, {Operation::kRect, 1, 3, 7, 3}}},
      {"rects outside",
       {{Operation::kRect, -3, -2, 4, 3}, {Operation::kRect, 12, 5, 40, 20}, {Operation::kRect, 16, 0, 20, 8}}},
      {"rects inverted across edges", {{Operation::kRect, 20, 10, 13, 5}, {Operation::kRect, 2, 1, -5, -4}}},
      {"lines both ways",
       {{Operation::kLine, 2, 9, 1},
        {Operation::kLine, 9, 2, 2},
        {Operation::kLine, 5, 5, 3},
        {Operation::kLine, 8, 7, 4}}},
      {"lines outside",
       {{Operation::kLine, -4, 3, 0},
        {Operation::kLine, 30, 10, 5},
        {Operation::kLine, 2, 9, 8},
        {Operation::kLine, 1, -9, 3}}},
      {"pixels at edges",
       {{Operation::kPixel, -1, 0},
        {Operation::kPixel, 16, 3},
        {Operation::kPixel, 3, 8},
        {Operation::kPixel, 15, 7},
        {Operation::kPixel, 0, 0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryPicture picture;
    ASSERT_TRUE(picture.Create(16, 8));
    ExpectEqualToGdi(picture, [&](HDC dc) {
      for (size_t i = 0; i < c.operations.size(); ++i) {
        const Operation& op = c.operations[i];
        const COLORREF colour = colours[i % 3];
        if (op.kind == Operation::kRect) {
          ScopedBrush brush(CreateSolidBrush(colour));
          const RECT rect{op.a, op.b, op.c, op.d};
          FillRect(dc, &rect, brush.get());
          picture.FillRect(op.a, op.b, op.c, op.d, colour);
        } else if (op.kind == Operation::kLine) {
          ScopedPen pen(CreatePen(PS_SOLID, 1, colour));
          ScopedSelect select(dc, pen.get());
          MoveToEx(dc, op.a, op.c, nullptr);
          LineTo(dc, op.b, op.c);
          picture.HorizontalLine(op.a, op.b, op.c, colour);
        } else {
          SetPixel(dc, op.a, op.b, colour);
          picture.SetPixel(op.a, op.b, colour);
        }
      }
    });
  }
}

}  // namespace
