// The painted rectangle's size from its inclusive edges and the fitted picture's place in it.
#include "viewer/core/picture_area.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

TEST(PictureArea, RectangleSizeCountsBothEdgesAndTheFittedPictureIsCentred) {
  const struct {
    ScreenRect rect;
    bool ok;
    int width, height;
  } cases[] = {
      {{100, 100, 499, 399}, true, 400, 300}, {{5, 5, 5, 5}, true, 1, 1},
      {{-10, -20, 9, 19}, true, 20, 40},      {{10, 10, 9, 20}, false, 0, 0},
      {{10, 10, 20, 9}, false, 0, 0},         {{INT_MIN, 0, INT_MAX, 10}, false, 0, 0},
      {{0, 0, 10, INT_MAX - 2}, false, 0, 0}, {{0, 0, 10, INT_MAX - 3}, true, 11, INT_MAX - 2},
      {{-1, 0, INT_MAX - 1, 0}, false, 0, 0}, {{0, 0, INT_MAX - 1, 0}, true, INT_MAX, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rect.left << " " << c.rect.top << " " << c.rect.right << " " << c.rect.bottom);
    int width = 0, height = 0;
    ASSERT_EQ(RectangleSize(c.rect, &width, &height), c.ok);
    if (!c.ok) continue;
    EXPECT_EQ(std::make_pair(width, height), std::make_pair(c.width, c.height));
  }

  const struct {
    int pictureWidth, pictureHeight;
    PictureArea expected;
  } placed[] = {
      // into 400 x 300
      {200, 100, {100, 100, 200, 100}},
      {1000, 500, {0, 50, 400, 200}},
      {500, 1000, {125, 0, 150, 300}},
      {300, 600, {125, 0, 150, 300}},
      {600, 200, {0, 83, 400, 133}},
      {800, 600, {0, 0, 400, 299}},
      {13, 7, {193, 146, 13, 7}},
      {0, 0, {200, 150, 0, 0}},
      // Exactly as wide or as high as the area: kept, not fitted (which would give 400 x 299
      // and 2 x 300, the single-precision ratios lying above 4/3 and below 3/300).
      {400, 300, {0, 0, 400, 300}},
      {3, 300, {198, 0, 3, 300}},
  };
  for (const auto& c : placed) {
    SCOPED_TRACE(testing::Message() << c.pictureWidth << "x" << c.pictureHeight);
    const PictureArea a = PlacePicture(c.pictureWidth, c.pictureHeight, 400, 300);
    EXPECT_EQ(std::vector<int>({a.x0, a.y0, a.w, a.h}),
              std::vector<int>({c.expected.x0, c.expected.y0, c.expected.w, c.expected.h}));
  }
}
