// The painted rectangle's size and where the fitted picture sits in it.
#include <gtest/gtest.h>

#include <climits>

#include "viewer/core/picture_area.h"

namespace {

TEST(PictureArea, RectangleSizeCountsBothEdges) {
  struct Case {
    ScreenRect rect;
    bool ok;
    int width;
    int height;
  } cases[] = {
      {{100, 100, 499, 399}, true, 400, 300},
      {{5, 5, 5, 5}, true, 1, 1},
      {{-10, -20, 9, 19}, true, 20, 40},
      {{10, 10, 9, 20}, false, 0, 0},
      {{10, 10, 20, 9}, false, 0, 0},
      {{INT_MIN, 0, INT_MAX, 10}, false, 0, 0},
      {{0, 0, 10, INT_MAX - 2}, false, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rect.left << " " << c.rect.top << " " << c.rect.right << " " << c.rect.bottom);
    int width = 0;
    int height = 0;
    ASSERT_EQ(RectangleSize(c.rect, &width, &height), c.ok);
    if (!c.ok) continue;
    EXPECT_EQ(width, c.width);
    EXPECT_EQ(height, c.height);
  }
}

TEST(PictureArea, FittedPictureIsCentred) {
  struct Case {
    int pictureWidth, pictureHeight, areaWidth, areaHeight;
    PictureArea expected;
  } cases[] = {
      {200, 100, 400, 300, {100, 100, 200, 100}},
      {1000, 500, 400, 300, {0, 50, 400, 200}},
      {500, 1000, 400, 300, {125, 0, 150, 300}},
      {800, 600, 400, 300, {0, 0, 400, 299}},
      {13, 7, 400, 300, {193, 146, 13, 7}},
      {0, 0, 10, 10, {5, 5, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.pictureWidth << "x" << c.pictureHeight);
    const PictureArea area = PlacePicture(c.pictureWidth, c.pictureHeight, c.areaWidth, c.areaHeight);
    EXPECT_EQ(area.x0, c.expected.x0);
    EXPECT_EQ(area.y0, c.expected.y0);
    EXPECT_EQ(area.w, c.expected.w);
    EXPECT_EQ(area.h, c.expected.h);
  }
}

}  // namespace
