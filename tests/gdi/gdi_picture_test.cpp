// Draws the same operations with GDI and into a MemoryPicture and compares every pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "common/win32/scoped.h"
#include "viewer/core/memory_picture.h"

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 8;
constexpr COLORREF kColours[] = {0x000066FF, 0x00FF0000, 0x00000000};

struct Operation {
  enum Kind { kRect, kLine, kPixel } kind;
  int a = 0, b = 0, c = 0, d = 0;  // rect: left top right bottom; line: x1 x2 y; pixel: x y
};

struct Case {
  const char* name;
  std::vector<Operation> operations;
};

void DrawWithGdi(HDC dc, const Operation& op, COLORREF colour) {
  switch (op.kind) {
    case Operation::kRect: {
      ScopedBrush brush(CreateSolidBrush(colour));
      const RECT rect{op.a, op.b, op.c, op.d};
      FillRect(dc, &rect, brush.get());
      break;
    }
    case Operation::kLine: {
      ScopedPen pen(CreatePen(PS_SOLID, 1, colour));
      ScopedSelect select(dc, pen.get());
      MoveToEx(dc, op.a, op.c, nullptr);
      LineTo(dc, op.b, op.c);
      break;
    }
    case Operation::kPixel:
      SetPixel(dc, op.a, op.b, colour);
      break;
  }
}

void DrawInMemory(MemoryPicture& picture, const Operation& op, COLORREF colour) {
  switch (op.kind) {
    case Operation::kRect:
      picture.FillRect(op.a, op.b, op.c, op.d, colour);
      break;
    case Operation::kLine:
      picture.HorizontalLine(op.a, op.b, op.c, colour);
      break;
    case Operation::kPixel:
      picture.SetPixel(op.a, op.b, colour);
      break;
  }
}

std::string Dump(const std::vector<uint32_t>& pixels) {
  std::string text;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      char cell[10];
      snprintf(cell, sizeof cell, "%08X ", static_cast<unsigned>(pixels[y * kWidth + x]));
      text += cell;
    }
    text += "\n";
  }
  return text;
}

class GdiPicture : public ::testing::TestWithParam<Case> {};

TEST_P(GdiPicture, MemoryPictureEqualsGdi) {
  const Case& c = GetParam();
  ScopedWindowDc screen(nullptr);
  ASSERT_TRUE(screen);
  if (GetDeviceCaps(screen.get(), BITSPIXEL) != 32) GTEST_SKIP() << "needs a 32-bit display";
  ScopedCreatedDc dc(CreateCompatibleDC(screen.get()));
  ScopedBitmap bitmap(CreateCompatibleBitmap(screen.get(), kWidth, kHeight));
  ASSERT_TRUE(dc);
  ASSERT_TRUE(bitmap);
  MemoryPicture picture;
  ASSERT_TRUE(picture.Create(kWidth, kHeight));
  std::vector<uint32_t> device(kWidth * kHeight, 0xCCCCCCCCu);
  {
    ScopedSelect select(dc.get(), bitmap.get());
    BitBlt(dc.get(), 0, 0, kWidth, kHeight, nullptr, 0, 0, WHITENESS);
    for (size_t i = 0; i < c.operations.size(); ++i) {
      const COLORREF colour = kColours[i % 3];
      DrawWithGdi(dc.get(), c.operations[i], colour);
      DrawInMemory(picture, c.operations[i], colour);
    }
    GdiFlush();
  }
  ASSERT_EQ(GetBitmapBits(bitmap.get(), static_cast<LONG>(device.size() * 4), device.data()),
            static_cast<LONG>(device.size() * 4));
  std::vector<uint32_t> memory(kWidth * kHeight);
  for (int y = 0; y < kHeight; ++y) std::memcpy(&memory[y * kWidth], picture.Row(y), kWidth * 4);
  EXPECT_EQ(Dump(memory), Dump(device)) << "memory picture (expected) against GDI (actual)";
}

const Case kCases[] = {
    {"rect_normal", {{Operation::kRect, 2, 1, 6, 4}}},
    {"rect_inverted_x", {{Operation::kRect, 9, 1, 3, 4}}},
    {"rect_inverted_y", {{Operation::kRect, 2, 6, 6, 2}}},
    {"rect_inverted_both", {{Operation::kRect, 9, 6, 3, 2}}},
    {"rect_empty", {{Operation::kRect, 4, 1, 4, 5}, {Operation::kRect, 1, 3, 7, 3}}},
    {"rect_partly_outside", {{Operation::kRect, -3, -2, 4, 3}, {Operation::kRect, 12, 5, 40, 20}}},
    {"rect_wholly_outside", {{Operation::kRect, 16, 0, 20, 8}, {Operation::kRect, -9, -9, 0, 0}}},
    {"rect_inverted_across_edges", {{Operation::kRect, 20, 10, 13, 5}, {Operation::kRect, 2, 1, -5, -4}}},
    {"line_rightwards", {{Operation::kLine, 2, 9, 1}}},
    {"line_leftwards", {{Operation::kLine, 9, 2, 2}}},
    {"line_zero_length", {{Operation::kLine, 5, 5, 3}}},
    {"line_one_pixel", {{Operation::kLine, 5, 6, 3}, {Operation::kLine, 8, 7, 4}}},
    {"line_partly_outside", {{Operation::kLine, -4, 3, 0}, {Operation::kLine, 12, 30, 7}, {Operation::kLine, 30, 10, 5}}},
    {"line_wholly_outside", {{Operation::kLine, 2, 9, -1}, {Operation::kLine, 2, 9, 8}, {Operation::kLine, 16, 25, 3}}},
    {"line_negative", {{Operation::kLine, -1, -9, 2}, {Operation::kLine, 1, -9, 3}, {Operation::kLine, -9, 0, 4}}},
    {"pixels_outside", {{Operation::kPixel, -1, 0}, {Operation::kPixel, 16, 3}, {Operation::kPixel, 3, 8},
                        {Operation::kPixel, 0, -1}, {Operation::kPixel, 15, 7}, {Operation::kPixel, 0, 0}}},
};

INSTANTIATE_TEST_SUITE_P(Cases, GdiPicture, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& param) { return std::string(param.param.name); });

}  // namespace
