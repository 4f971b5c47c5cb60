// Arithmetic of the monitor window's layout: the image area inside the monitor, the
// window's new placement around it, and where a picture row lands on the monitor.
#pragma once

#include "viewer/core/command_line.h"
#include "viewer/core/render_state.h"

// Window rectangles are ScreenRects holding what GetWindowRect reports.

struct MonitorImageSize {
  int imageWidth;
  int imageHeight;
  float monitorScale;
};

struct WindowPlacement {
  int left;
  int top;
  int width;
  int height;
};

struct ImageOrigin {
  int left;
  int top;
};

// Fits the header's size into the picture area (the area control's rectangle moved 10
// pixels inward on every side, edges inclusive); monitorScale = imageWidth / pictureWidth.
MonitorImageSize FitMonitorImage(const ScreenRect& areaControl, int headerWidth, int headerHeight, int pictureWidth);

// The monitor keeps its top edge and its horizontal centre and becomes just wide enough for
// an image of `imageWidth` pixels.
WindowPlacement PlaceMonitorWindow(const ScreenRect& window, int imageWidth);

// Top-left corner of the image area: the fixed left edge, and the top that centres the
// image in the area control's height (edges inclusive).
ImageOrigin MonitorImageOrigin(const ScreenRect& areaControl, int imageHeight);

// The monitor row that shows picture row y.
int MonitorRowOf(const RenderState& state, int y);

// The rectangle of the overlay command: the monitor's window rectangle with its caption and
// borders taken off.
ScreenRect OverlayRect(const ScreenRect& window);
