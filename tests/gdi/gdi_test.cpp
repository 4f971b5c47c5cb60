// The memory picture against real GDI, pixel for pixel: rectangles, horizontal lines and
// pixels. The painting tests hold the memory overlay's polylines to the viewer's on screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

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

// Operations as letters and numbers: "R l t r b" fills a rectangle, "L x1 x2 y" draws a
// horizontal line, "P x y" sets a pixel; on a 16 x 8 picture, colours taken in turn.
TEST(GdiPicture, RectanglesLinesAndPixelsEqualGdi) {
  const COLORREF colours[] = {0x000066FF, 0x00FF0000, 0x00000000};
  const char* const cases[] = {
      "R 2 1 6 4  R 9 1 3 4  R 9 6 3 2",         // normal and inverted
      "R 4 1 4 5  R 1 3 7 3",                    // empty
      "R -3 -2 4 3  R 12 5 40 20  R 16 0 20 8",  // outside
      "R 20 10 13 5  R 2 1 -5 -4",               // inverted across the edges
      "L 2 9 1  L 9 2 2  L 5 5 3  L 8 7 4",      // both ways
      "L -4 3 0  L 30 10 5  L 2 9 8  L 1 -9 3",  // outside
      "P -1 0  P 16 3  P 3 8  P 15 7  P 0 0",    // at the edges
  };
  for (const char* operations : cases) {
    SCOPED_TRACE(operations);
    MemoryPicture picture;
    ASSERT_TRUE(picture.Create(16, 8));
    ExpectEqualToGdi(picture, [&](HDC dc) {
      std::istringstream in(operations);
      char kind = 0;
      for (int i = 0, a = 0, b = 0, c = 0, d = 0; in >> kind >> a >> b; ++i) {
        const COLORREF colour = colours[i % 3];
        if (kind == 'R' && in >> c >> d) {
          ScopedBrush brush(CreateSolidBrush(colour));
          const RECT rect{a, b, c, d};
          FillRect(dc, &rect, brush.get());
          picture.FillRect(a, b, c, d, colour);
        } else if (kind == 'L' && in >> c) {
          ScopedPen pen(CreatePen(PS_SOLID, 1, colour));
          ScopedSelect select(dc, pen.get());
          MoveToEx(dc, a, c, nullptr);
          LineTo(dc, b, c);
          picture.HorizontalLine(a, b, c, colour);
        } else {
          SetPixel(dc, a, b, colour);
          picture.SetPixel(a, b, colour);
        }
      }
    });
  }
}

}  // namespace
