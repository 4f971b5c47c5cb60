// Arithmetic of the monitor window's layout.
#include "viewer/core/monitor_layout.h"

#include "viewer/core/fit_picture.h"

constexpr int kAreaInset = 10;

MonitorImageSize FitMonitorImage(const ScreenRect& areaControl, int headerWidth, int headerHeight, int pictureWidth) {
  const int areaWidth = (areaControl.right - kAreaInset) - (areaControl.left + kAreaInset) + 1;
  const int areaHeight = (areaControl.bottom - kAreaInset) - (areaControl.top + kAreaInset) + 1;
  const FittedSize fitted = FitPicture(headerWidth, headerHeight, areaWidth, areaHeight);
  MonitorImageSize size;
  size.imageWidth = fitted.width;
  size.imageHeight = fitted.height;
  size.monitorScale = static_cast<float>(fitted.width) / static_cast<float>(pictureWidth);
  return size;
}

WindowPlacement PlaceMonitorWindow(const ScreenRect& window, int imageWidth) {
  WindowPlacement placement;
  placement.left = window.left + (window.right - window.left - imageWidth + 1) / 2 - kAreaInset;
  placement.top = window.top;
  placement.width = imageWidth + 2 * kAreaInset + 1;
  placement.height = window.bottom - window.top + 1;
  return placement;
}

int MonitorImageTop(const ScreenRect& areaControl, int imageHeight) {
  return (areaControl.bottom - areaControl.top + 1 - imageHeight) / 2;
}

int MonitorRowOf(const RenderState& state, int y) {
  return state.imageTop + static_cast<int>(static_cast<double>(y) * state.monitorScale);
}

ScreenRect OverlayRect(const ScreenRect& window) {
  return {window.left + 2, window.top + 10, window.right - 10, window.bottom - 18};
}
