// Shrinks a picture to fit an area keeping its aspect ratio; never enlarges it.
#pragma once

struct FittedSize {
  int width;
  int height;
};

// The ratio W / H is held in single precision; products and quotients with it are formed
// in double precision and truncated toward zero. Equal aspect ratios fill the width.
FittedSize FitPicture(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight);
