// Arithmetic of the monitor window's layout: the image area inside the monitor, the
// window's new placement around it, and where a picture row lands on the monitor.
#pragma once

#include "viewer/core/render_state.h"

// Left edge of the image area in the monitor's client area.
constexpr int kMonitorImageLeft = 8;

// A rectangle as the platform reports window rectangles (screen pixels).
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct MonitorImageSize {
  int imageWidth = 0;
  int imageHeight = 0;
  float monitorScale = 0.0f;
};

struct WindowPlacement {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Fits the header's size into the picture area (the area control's rectangle moved 10
// pixels inward on every side, edges inclusive); monitorScale = imageWidth / pictureWidth.
MonitorImageSize FitMonitorImage(const PixelRect& areaControl, int headerWidth, int headerHeight,
                                 int pictureWidth);

// The monitor keeps its top edge and its horizontal centre and becomes just wide enough for
// an image of `imageWidth` pixels.
WindowPlacement PlaceMonitorWindow(const PixelRect& window, int imageWidth);

// Top of the image area, centred in the area control's height (edges inclusive).
int MonitorImageTop(const PixelRect& areaControl, int imageHeight);

// The monitor row that shows picture row y.
int MonitorRowOf(const RenderState& state, int y);

// The screen rectangle the vector overlay is drawn into: the monitor's window rectangle
// with its caption and borders taken off.
PixelRect OverlayRect(const PixelRect& window);
