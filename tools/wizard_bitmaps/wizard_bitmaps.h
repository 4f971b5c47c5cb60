// The wizard's bitmaps: the bed pictures of page 2 (101 inch, 102 centimetre) and the
// letter row 103 that the test job prints.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "tools/wizard_bitmaps/canvas.h"

constexpr int kLetterRowWidth = 1827;
constexpr int kLetterRowHeight = 110;
constexpr int kLetterTop = 10;
constexpr int kLetterBottom = 105;

struct ColumnExtent {
  int first, last;  // inclusive
};
// Where each letter 'A'..'U' lies in bitmap 103; the test job's bar tables sit under them.
extern const std::array<ColumnExtent, 21> kLetterColumns;

// The pixels of bitmap 103: index 0 black, index 1 white.
Canvas LetterRowCanvas();
// Bitmap 103: 1 bit, index 0 black, index 1 white.
std::vector<uint8_t> LetterRowBmp();
// Bitmap 101 (inches, 396 x 200) or 102 (centimetres, 407 x 200), 16 colours.
std::vector<uint8_t> BedPictureBmp(bool metric);
