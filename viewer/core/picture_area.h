// Where a picture goes inside a painted rectangle: its size from the command's screen
// edges, and the fitted picture centred in it.
#pragma once
#include "viewer/core/command_line.h"

// The drawing area A x B of a rectangle with inclusive edges. False when an edge lies
// before its partner or the size does not fit an int: nothing is painted then.
bool RectangleSize(const ScreenRect& rect, int* areaWidth, int* areaHeight);

// A picture area in the target's client coordinates: left x0, top y0, width w, height h.
struct PictureArea {
  int x0;
  int y0;
  int w;
  int h;
};

// FitPicture, then centred with the remainders halved (truncating toward zero).
PictureArea PlacePicture(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight);
