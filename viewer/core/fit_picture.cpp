// Shrinks a picture to fit an area keeping its aspect ratio; never enlarges it.
#include "viewer/core/fit_picture.h"

FittedSize FitPicture(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight) {
  if (pictureWidth <= areaWidth && pictureHeight <= areaHeight) return {pictureWidth, pictureHeight};
  const float ratio = static_cast<float>(pictureWidth) / static_cast<float>(pictureHeight);
  const double areaRatio = static_cast<double>(areaWidth) / static_cast<double>(areaHeight);
  if (areaRatio > ratio) {
    return {static_cast<int>(static_cast<double>(areaHeight) * ratio), areaHeight};
  }
  return {areaWidth, static_cast<int>(static_cast<double>(areaWidth) / ratio)};
}
