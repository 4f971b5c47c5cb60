// Where a picture goes inside a painted rectangle.
#include "viewer/core/picture_area.h"

#include <climits>
#include <cstdint>

#include "viewer/core/fit_picture.h"

bool RectangleSize(const ScreenRect& rect, int* areaWidth, int* areaHeight) {
  const int64_t a = static_cast<int64_t>(rect.right) - rect.left + 1;
  const int64_t b = static_cast<int64_t>(rect.bottom) - rect.top + 1;
  // B + 2 must stay an int too: the background is sampled there.
  if (a < 1 || b < 1 || a > INT_MAX || b > INT_MAX - 2) return false;
  *areaWidth = static_cast<int>(a);
  *areaHeight = static_cast<int>(b);
  return true;
}

PictureArea PlacePicture(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight) {
  const FittedSize fitted = FitPicture(pictureWidth, pictureHeight, areaWidth, areaHeight);
  return {(areaWidth - fitted.width) / 2, (areaHeight - fitted.height) / 2, fitted.width, fitted.height};
}
