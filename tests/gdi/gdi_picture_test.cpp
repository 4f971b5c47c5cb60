// Draws the same rectangles, lines and pixels with GDI and into a MemoryPicture and
// compares every pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "common/win32/scoped.h"
#include "viewer/core/memory_picture.h"

namespace {

constexpr int kWidth = 16, kHeight = 8;
constexpr COLORREF kColours[] = {0x000066FF, 0x00FF0000, 0x00000000};

struct Operation {
  enum Kind { kRect, kLine, kPixel } kind;
  int a, b, c, d;  // rect: left top right bottom; line: x1 x2 y; pixel: x y
};

void Draw(HDC dc, MemoryPicture& picture, const Operation& op, COLORREF colour) {
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

const struct Case {
  const char* name;
  std::vector<Operation> operations;
} kCases[] = {
    {"rects_normal_and_inverted", {{Operation::kRect, 2, 1, 6, 4}, {Operation::kRect, 9, 1, 3, 4}, {Operation::kRect, 9, 6, 3, 2}}},
    {"rects_empty", {{Operation::kRect, 4, 1, 4, 5}, {Operation::kRect, 1, 3, 7, 3}}},
    {"rects_outside", {{Operation::kRect, -3, -2, 4, 3}, {Operation::kRect, 12, 5, 40, 20}, {Operation::kRect, 16, 0, 20, 8}}},
    {"rects_inverted_across_edges", {{Operation::kRect, 20, 10, 13, 5}, {Operation::kRect, 2, 1, -5, -4}}},
    {"lines_both_ways", {{Operation::kLine, 2, 9, 1}, {Operation::kLine, 9, 2, 2}, {Operation::kLine, 5, 5, 3}, {Operation::kLine, 8, 7, 4}}},
    {"lines_outside", {{Operation::kLine, -4, 3, 0}, {Operation::kLine, 30, 10, 5}, {Operation::kLine, 2, 9, 8}, {Operation::kLine, 1, -9, 3}}},
    {"pixels_at_edges", {{Operation::kPixel, -1, 0}, {Operation::kPixel, 16, 3}, {Operation::kPixel, 3, 8}, {Operation::kPixel, 15, 7}, {Operation::kPixel, 0, 0}}},
};

class GdiPicture : public ::testing::TestWithParam<Case> {};

TEST_P(GdiPicture, MemoryPictureEqualsGdi) {
  ScopedWindowDc screen(nullptr);
  ASSERT_TRUE(screen);
  if (GetDeviceCaps(screen.get(), BITSPIXEL) != 32) GTEST_SKIP() << "needs a 32-bit display";
  ScopedCreatedDc dc(CreateCompatibleDC(screen.get()));
  ScopedBitmap bitmap(CreateCompatibleBitmap(screen.get(), kWidth, kHeight));
  ASSERT_TRUE(dc && bitmap);
  MemoryPicture picture;
  ASSERT_TRUE(picture.Create(kWidth, kHeight));
  {
    ScopedSelect select(dc.get(), bitmap.get());
    BitBlt(dc.get(), 0, 0, kWidth, kHeight, nullptr, 0, 0, WHITENESS);
    for (size_t i = 0; i < GetParam().operations.size(); ++i) Draw(dc.get(), picture, GetParam().operations[i], kColours[i % 3]);
    GdiFlush();
  }
  std::vector<uint32_t> device(kWidth * kHeight, 0xCCCCCCCCu);
  ASSERT_EQ(GetBitmapBits(bitmap.get(), kWidth * kHeight * 4, device.data()), kWidth * kHeight * 4);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) EXPECT_EQ(picture.Pixel(x, y), device[y * kWidth + x]) << "at " << x << "," << y;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, GdiPicture, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& param) { return std::string(param.param.name); });

}  // namespace
