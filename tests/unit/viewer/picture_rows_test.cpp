// The memory picture's size check and the row helpers that move it into device layouts.
#include "viewer/core/picture_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "viewer/core/memory_picture.h"

TEST(PictureRows, NoSideOfZeroWhiteRunsAndCopiedRows) {
  MemoryPicture picture;
  EXPECT_EQ(picture.width() + picture.height(), 0);
  EXPECT_TRUE(picture.Create(1, 1));
  EXPECT_FALSE(picture.Create(3, 0));
  EXPECT_EQ(picture.width() + picture.height(), 0);
  EXPECT_FALSE(picture.Create(0, 3));

  const uint32_t w = kWhitenessPixel, row[] = {w, 0, w, w, 0, w, w};  // the last pixel lies past the width
  std::string runs;
  for (const PixelRun& run : WhiteRuns(row, 6)) runs += std::to_string(run.x) + "+" + std::to_string(run.length) + " ";
  EXPECT_EQ(runs, "0+1 2+2 5+1 ");

  // Two of three rows: the third stays as it was.
  const std::vector<uint8_t> source = {1, 2, 3, 9, 4, 5, 6, 9, 8, 8, 8, 9};
  std::vector<uint8_t> target(15, 7);
  CopyRows(source.data(), 4, target.data(), 5, 3, 2);
  EXPECT_EQ(target, std::vector<uint8_t>({1, 2, 3, 0, 0, 4, 5, 6, 0, 0, 7, 7, 7, 7, 7}));
}
