// The memory picture against real GDI, pixel for pixel: rectangles, horizontal lines and
// pixels, and the overlay's polylines (slanted ones and their half-step ties included).
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "common/win32/scoped.h"
#include "tools/samplejob/vector_builder.h"
#include "viewer/core/overlay_picture.h"
#include "viewer/core/vector_file.h"

namespace {

// Draws with GDI into a white 32-bit DIB section of the picture's size and compares.
void ExpectEqualToGdi(const MemoryPicture& picture, const std::function<void(HDC)>& draw) {
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{sizeof info.bmiHeader, picture.width(), -picture.height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
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
    for (int x = 0; x < picture.width(); ++x) ASSERT_EQ(picture.Pixel(x, y), gdi[y * picture.width() + x]) << "at " << x << "," << y;
  }
}

struct Operation {
  enum Kind { kRect, kLine, kPixel } kind;
  int a, b, c = 0, d = 0;  // rect: left top right bottom; line: x1 x2 y; pixel: x y
};

TEST(GdiPicture, RectanglesLinesAndPixelsEqualGdi) {
  const COLORREF colours[] = {0x000066FF, 0x00FF0000, 0x00000000};
  const struct { const char* name; std::vector<Operation> operations; } cases[] = {  // on 16 x 8
      {"rects normal and inverted", {{Operation::kRect, 2, 1, 6, 4}, {Operation::kRect, 9, 1, 3, 4}, {Operation::kRect, 9, 6, 3, 2}}},
      {"rects empty", {{Operation::kRect, 4, 1, 4, 5}, {Operation::kRect, 1, 3, 7, 3}}},
      {"rects outside", {{Operation::kRect, -3, -2, 4, 3}, {Operation::kRect, 12, 5, 40, 20}, {Operation::kRect, 16, 0, 20, 8}}},
      {"rects inverted across edges", {{Operation::kRect, 20, 10, 13, 5}, {Operation::kRect, 2, 1, -5, -4}}},
      {"lines both ways", {{Operation::kLine, 2, 9, 1}, {Operation::kLine, 9, 2, 2}, {Operation::kLine, 5, 5, 3}, {Operation::kLine, 8, 7, 4}}},
      {"lines outside", {{Operation::kLine, -4, 3, 0}, {Operation::kLine, 30, 10, 5}, {Operation::kLine, 2, 9, 8}, {Operation::kLine, 1, -9, 3}}},
      {"pixels at edges", {{Operation::kPixel, -1, 0}, {Operation::kPixel, 16, 3}, {Operation::kPixel, 3, 8}, {Operation::kPixel, 15, 7}, {Operation::kPixel, 0, 0}}},
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

TEST(GdiPicture, OverlayEqualsGdiPolylinesInTheClippedArea) {
  using Points = std::vector<std::pair<int16_t, int16_t>>;
  const struct { const char* name; uint8_t xPitchByte; uint16_t width, height; std::vector<Points> polylines; } cases[] = {
      {"axis lines mirrored", 0xF6, 40, 30, {{{-5, 3}, {50, 3}}, {{5, -9}, {5, 40}}, {{3, 7}, {9, 7}}}},
      // From the middle into all eight octants, each with ties at half steps.
      {"octants with ties", 10, 64, 48,
       {{{32, 24}, {38, 27}}, {{32, 24}, {35, 30}}, {{32, 24}, {29, 30}}, {{32, 24}, {26, 27}}, {{32, 24}, {26, 21}},
        {{32, 24}, {29, 18}}, {{32, 24}, {35, 18}}, {{32, 24}, {38, 21}}, {{5, 40}, {15, 45}}, {{15, 35}, {5, 30}}}},
      {"slanted, scaled and cut", 0xF3, 200, 120, {{{-40, -30}, {230, 150}}, {{100, 0}, {0, 119}}, {{10, 30}, {90, 20}, {150, 110}}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    VectorBuilder builder(c.width, c.height, c.xPitchByte, 10);
    for (size_t i = 0; i < c.polylines.size(); ++i) builder.Polyline(static_cast<uint16_t>((i + 1) % 8), c.polylines[i]);
    const std::vector<uint8_t>& file = builder.bytes();
    MemoryPicture picture;
    ASSERT_TRUE(picture.Create(64, 48));
    RenderState state;
    ASSERT_EQ(DrawOverlayIntoPicture(file.data(), file.size(), picture, state), 0);
    // As the viewer draws into a window: the area as clip region, 1-pixel pens, Polyline.
    ExpectEqualToGdi(picture, [&](HDC dc) {
      VectorHeader header;
      ReadVectorHeader(file.data(), file.size(), &header);
      const PictureArea area = PlacePicture(header.width, header.height, 64, 48);
      SetOverlayScale(header, area.w, state);
      ScopedRegion clip(CreateRectRgn(area.x0, area.y0, area.x0 + area.w, area.y0 + area.h));
      SelectClipRgn(dc, clip.get());
      std::vector<VectorPoint> mapped;
      uint32_t colour = 0;
      for (size_t offset = kPreviewHeaderSize; ReadPolylineRecord(file.data(), file.size(), &offset, state, area, &colour, &mapped) == 0;) {
        std::vector<POINT> points;
        for (const VectorPoint& p : mapped) points.push_back(POINT{p.x, p.y});
        ScopedPen pen(CreatePen(PS_SOLID, 1, colour));
        ScopedSelect selectPen(dc, pen.get());
        Polyline(dc, points.data(), static_cast<int>(points.size()));
        if (offset >= file.size()) break;
      }
    });
  }
}

}  // namespace
