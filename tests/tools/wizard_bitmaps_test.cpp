// The committed bitmaps equal what the generator makes, and bitmap 103 has the letter
// columns and rows, colours and corner pixels that the test job's bar tables rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/little_endian.h"
#include "tools/wizard_bitmaps/wizard_bitmaps.h"

namespace {

std::vector<uint8_t> ReadCommitted(const char* name) {
  std::ifstream file(std::string(QEX_WIZARD_RESOURCES) + "/" + name, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// True where bitmap 103 (1 bit, rows stored bottom first) is black, rows counted from the top.
bool Black(const std::vector<uint8_t>& bmp, int x, int y) {
  const size_t stride = (kLetterRowWidth + 31) / 32 * 4, offset = GetU32(&bmp.at(10));
  return ((bmp.at(offset + stride * (kLetterRowHeight - 1 - y) + x / 8) >> (7 - x % 8)) & 1) == 0;
}

// The two corner pixels, black, with white neighbours.
bool Corner(int x, int y) { return (x == 13 && y == 107) || (x == 1821 && y == 106); }

TEST(WizardBitmaps, CommittedFilesAreTheGeneratedOnes) {
  EXPECT_EQ(ReadCommitted("bed_inch.bmp"), BedPictureBmp(false));
  EXPECT_EQ(ReadCommitted("bed_cm.bmp"), BedPictureBmp(true));
  EXPECT_EQ(ReadCommitted("letter_row.bmp"), LetterRowBmp());
}

// Every letter reaches its first and last column and the letter rows' top and bottom; no ink
// elsewhere but the corner pixels.
TEST(LetterRow, LettersLieInTheirColumnsAndRowsAndCornerPixels) {
  const std::vector<uint8_t> bmp = LetterRowBmp();
  ASSERT_EQ(bmp.size(), 62 + static_cast<size_t>((kLetterRowWidth + 31) / 32 * 4) * kLetterRowHeight);
  std::vector<int> top(kLetterColumns.size(), kLetterRowHeight), bottom(kLetterColumns.size(), -1);
  std::vector<bool> atFirst(kLetterColumns.size()), atLast(kLetterColumns.size());
  for (int x = 0; x < kLetterRowWidth; ++x) {
    for (int y = 0; y < kLetterRowHeight; ++y) {
      if (!Black(bmp, x, y) || Corner(x, y)) continue;
      size_t i = 0;
      while (i < kLetterColumns.size() && !(x >= kLetterColumns[i].first && x <= kLetterColumns[i].last)) ++i;
      if (i == kLetterColumns.size()) ADD_FAILURE() << "ink outside the letters at " << x << "," << y;
      if (i == kLetterColumns.size()) continue;
      top[i] = std::min(top[i], y), bottom[i] = std::max(bottom[i], y);
      atFirst[i] = atFirst[i] || x == kLetterColumns[i].first, atLast[i] = atLast[i] || x == kLetterColumns[i].last;
    }
  }
  for (size_t i = 0; i < kLetterColumns.size(); ++i) {
    EXPECT_TRUE(top[i] == kLetterTop && bottom[i] == kLetterBottom && atFirst[i] && atLast[i]) << char('A' + i);
  }
  EXPECT_TRUE(Black(bmp, 13, 107) && Black(bmp, 1821, 106));
  EXPECT_FALSE(Black(bmp, 12, 107) || Black(bmp, 13, 106) || Black(bmp, 1821, 107) || Black(bmp, 1822, 106));
}

}  // namespace
