#include "viewer/core/memory_picture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr uint32_t kRed = 0x000000FF;

// One row of the picture as text: '.' untouched white, '#' the drawn colour.
std::string RowText(const MemoryPicture& picture, int y) {
  std::string text;
  for (int x = 0; x < picture.width(); ++x) text += picture.Pixel(x, y) == kWhitenessPixel ? '.' : '#';
  return text;
}

std::string PictureText(const MemoryPicture& picture) {
  std::string text;
  for (int y = 0; y < picture.height(); ++y) text += RowText(picture, y) + "\n";
  return text;
}

}  // namespace

TEST(MemoryPicture, CreateRefusesEmptySizes) {
  MemoryPicture picture;
  EXPECT_FALSE(picture.Create(0, 5));
  EXPECT_FALSE(picture.Create(5, -1));
  ASSERT_TRUE(picture.Create(2, 1));
  EXPECT_EQ(picture.Pixel(1, 0), kWhitenessPixel);
}

TEST(MemoryPicture, DrawingStoresDeviceBytesWithClearFourthByte) {
  MemoryPicture picture;
  ASSERT_TRUE(picture.Create(4, 1));
  picture.SetPixel(0, 0, 0x000066FF);
  picture.FillRect(1, 0, 2, 1, 0x00FF0000);
  picture.HorizontalLine(2, 3, 0, 0x0000FF00);
  EXPECT_EQ(picture.Pixel(0, 0), 0x00FF6600u);
  EXPECT_EQ(picture.Pixel(1, 0), 0x000000FFu);
  EXPECT_EQ(picture.Pixel(2, 0), 0x0000FF00u);
  EXPECT_EQ(picture.Pixel(3, 0), kWhitenessPixel);
}

TEST(MemoryPicture, FillRectEdgesAndClipping) {
  struct Case {
    const char* name;
    int left, top, right, bottom;
    const char* expected;  // 6 x 3 picture
  } const cases[] = {
      {"normal", 1, 0, 3, 2, ".##...\n.##...\n......\n"},
      {"inverted x", 3, 0, 1, 1, "..##..\n......\n......\n"},
      {"inverted y", 0, 2, 1, 0, "......\n#.....\n#.....\n"},
      {"empty", 2, 1, 2, 3, "......\n......\n......\n"},
      {"partly outside", -2, 2, 2, 9, "......\n......\n##....\n"},
      {"wholly outside", 6, 0, 9, 3, "......\n......\n......\n"},
      {"inverted across the edge", 8, 1, 4, 2, "......\n.....#\n......\n"},
  };
  for (const Case& c : cases) {
    MemoryPicture picture;
    ASSERT_TRUE(picture.Create(6, 3));
    picture.FillRect(c.left, c.top, c.right, c.bottom, kRed);
    EXPECT_EQ(PictureText(picture), c.expected) << c.name;
  }
}

TEST(MemoryPicture, HorizontalLinesDrawStartNotEnd) {
  struct Case {
    const char* name;
    int x1, x2, y;
    const char* expected;  // row 1 of an 8 x 3 picture
  } const cases[] = {
      {"rightwards", 1, 4, 1, ".###...."},
      {"leftwards", 4, 1, 1, "..###..."},
      {"zero length", 3, 3, 1, "........"},
      {"from the left outside", -5, 2, 1, "##......"},
      {"leftwards into negative", 1, -3, 1, "##......"},
      {"past the right edge", 6, 20, 1, "......##"},
      {"wholly outside", 9, 20, 1, "........"},
  };
  for (const Case& c : cases) {
    MemoryPicture picture;
    ASSERT_TRUE(picture.Create(8, 3));
    picture.HorizontalLine(c.x1, c.x2, c.y, kRed);
    EXPECT_EQ(RowText(picture, 1), c.expected) << c.name;
    EXPECT_EQ(RowText(picture, 0) + RowText(picture, 2), std::string(16, '.')) << c.name;
  }
  MemoryPicture picture;
  ASSERT_TRUE(picture.Create(8, 3));
  picture.HorizontalLine(0, 8, -1, kRed);
  picture.HorizontalLine(0, 8, 3, kRed);
  picture.SetPixel(-1, 0, kRed);
  picture.SetPixel(8, 0, kRed);
  picture.SetPixel(0, 3, kRed);
  EXPECT_EQ(PictureText(picture), "........\n........\n........\n");
}
