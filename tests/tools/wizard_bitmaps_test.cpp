// The committed bitmaps equal what the generator makes, and bitmap 103 has the letter
// columns and rows, colours and corner pixels that the test job's bar tables rely on.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/wizard_bitmaps/wizard_bitmaps.h"

namespace {

std::vector<uint8_t> ReadCommitted(const char* name) {
  std::ifstream file(std::string(QEX_WIZARD_RESOURCES) + "/" + name, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b.at(at + i);
  return v;
}

struct Header {
  int width, height, bits, colours;
  uint32_t offset;
};

Header ReadHeader(const std::vector<uint8_t>& bmp) {
  return {static_cast<int>(Le(bmp, 18, 4)), static_cast<int>(Le(bmp, 22, 4)), static_cast<int>(Le(bmp, 28, 2)),
          static_cast<int>(Le(bmp, 46, 4)), Le(bmp, 10, 4)};
}

// True where bitmap 103 is black (bit value 0), rows counted from the top.
bool Black(const std::vector<uint8_t>& bmp, int x, int y) {
  const Header h = ReadHeader(bmp);
  const size_t stride = ((static_cast<size_t>(h.width) + 31) / 32) * 4;
  const size_t row = h.offset + stride * static_cast<size_t>(h.height - 1 - y);
  return ((bmp.at(row + x / 8) >> (7 - x % 8)) & 1) == 0;
}

// Black pixels in the columns [first, end), the two corner pixels left out.
int InkBetween(const std::vector<uint8_t>& bmp, int first, int end) {
  int ink = 0;
  for (int x = first; x < end; ++x) {
    for (int y = 0; y < kLetterRowHeight; ++y) {
      const bool corner = (x == 13 && y == 107) || (x == 1821 && y == 106);
      if (!corner && Black(bmp, x, y)) ++ink;
    }
  }
  return ink;
}

TEST(WizardBitmaps, CommittedFilesAreTheGeneratedOnes) {
  EXPECT_EQ(ReadCommitted("bed_inch.bmp"), BedPictureBmp(false));
  EXPECT_EQ(ReadCommitted("bed_cm.bmp"), BedPictureBmp(true));
  EXPECT_EQ(ReadCommitted("letter_row.bmp"), LetterRowBmp());
}

TEST(WizardBitmaps, SizesAndDepths) {
  struct Case {
    const char* name;
    int width, height, bits, colours;
  };
  const Case cases[] = {{"bed_inch.bmp", 396, 200, 4, 16}, {"bed_cm.bmp", 407, 200, 4, 16},
                        {"letter_row.bmp", 1827, 110, 1, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<uint8_t> bmp = ReadCommitted(c.name);
    ASSERT_GE(bmp.size(), 62u);
    const Header h = ReadHeader(bmp);
    EXPECT_EQ(h.width, c.width);
    EXPECT_EQ(h.height, c.height);
    EXPECT_EQ(h.bits, c.bits);
    EXPECT_EQ(h.colours, c.colours);
    const size_t stride = ((static_cast<size_t>(c.width) * c.bits + 31) / 32) * 4;
    EXPECT_EQ(bmp.size(), h.offset + stride * c.height);
  }
}

TEST(LetterRow, BlackAndWhiteColourTableOnWhite) {
  const std::vector<uint8_t> bmp = LetterRowBmp();
  EXPECT_EQ(Le(bmp, 54, 4), 0x000000u);
  EXPECT_EQ(Le(bmp, 58, 4), 0xFFFFFFu);
  EXPECT_FALSE(Black(bmp, 0, 0));
  EXPECT_FALSE(Black(bmp, 1826, 109));
  EXPECT_FALSE(Black(bmp, 1000, 5));
}

TEST(LetterRow, LettersLieInTheirColumnsAndRows) {
  const std::vector<uint8_t> bmp = LetterRowBmp();
  // Each column range between two letters holds no ink in the letter rows.
  int nextLetterColumn = 0;
  for (size_t i = 0; i < kLetterColumns.size(); ++i) {
    SCOPED_TRACE(std::string(1, static_cast<char>('A' + i)));
    const ColumnExtent letter = kLetterColumns[i];
    EXPECT_EQ(InkBetween(bmp, nextLetterColumn, letter.first), 0);
    int top = kLetterRowHeight, bottom = -1;
    bool inkAtFirst = false, inkAtLast = false;
    for (int y = 0; y < kLetterRowHeight; ++y) {
      for (int x = letter.first; x <= letter.last; ++x) {
        if (!Black(bmp, x, y)) continue;
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        inkAtFirst |= x == letter.first;
        inkAtLast |= x == letter.last;
      }
    }
    EXPECT_TRUE(inkAtFirst);
    EXPECT_TRUE(inkAtLast);
    EXPECT_EQ(top, kLetterTop);
    EXPECT_EQ(bottom, kLetterBottom);
    nextLetterColumn = letter.last + 1;
  }
  EXPECT_EQ(InkBetween(bmp, nextLetterColumn, kLetterRowWidth), 0);
}

TEST(LetterRow, CornerPixels) {
  const std::vector<uint8_t> bmp = LetterRowBmp();
  EXPECT_TRUE(Black(bmp, 13, 107));
  EXPECT_TRUE(Black(bmp, 1821, 106));
  EXPECT_FALSE(Black(bmp, 12, 107));
  EXPECT_FALSE(Black(bmp, 13, 106));
  EXPECT_FALSE(Black(bmp, 1821, 107));
  EXPECT_FALSE(Black(bmp, 1822, 106));
}

}  // namespace
