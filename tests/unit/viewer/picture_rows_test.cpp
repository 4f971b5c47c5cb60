#include "viewer/core/picture_rows.h"

#include <gtest/gtest.h>

#include "viewer/core/memory_picture.h"

namespace {

constexpr uint32_t W = kWhitenessPixel;
constexpr uint32_t R = 0x00FF0000u;

std::vector<std::pair<int, int>> RunsOf(const std::vector<uint32_t>& row) {
  std::vector<std::pair<int, int>> out;
  for (const PixelRun& run : WhiteRuns(row.data(), static_cast<int>(row.size()))) out.push_back({run.x, run.length});
  return out;
}

}  // namespace

TEST(PictureRows, WhiteRunsFindOnlyUntouchedWhite) {
  using Runs = std::vector<std::pair<int, int>>;
  EXPECT_EQ(RunsOf({}), Runs{});
  EXPECT_EQ(RunsOf({W, W, W}), (Runs{{0, 3}}));
  EXPECT_EQ(RunsOf({R, R}), Runs{});
  EXPECT_EQ(RunsOf({R, W, W, R, W}), (Runs{{1, 2}, {4, 1}}));
  EXPECT_EQ(RunsOf({W, R, W}), (Runs{{0, 1}, {2, 1}}));
  // A drawn white pixel keeps its zero top byte: it is not untouched.
  EXPECT_EQ(RunsOf({0x00FFFFFFu, W}), (Runs{{1, 1}}));
}

TEST(PictureRows, CopyRowsKeepsEveryRowAtItsOwnStride) {
  // Three 16-bit pixels per row: 6 bytes, 2-byte aligned rows of 6, BMP rows of 8.
  const uint8_t device[] = {1, 2, 3, 4, 5, 6, 11, 12, 13, 14, 15, 16, 21, 22, 23, 24, 25, 26};
  std::vector<uint8_t> bmp(24, 0xCC);
  CopyRows(device, 6, bmp.data(), 8, 6, 3);
  const std::vector<uint8_t> expected = {1,  2,  3,  4,  5,  6,  0, 0, 11, 12, 13, 14,
                                         15, 16, 0,  0,  21, 22, 23, 24, 25, 26, 0,  0};
  EXPECT_EQ(bmp, expected);
}
