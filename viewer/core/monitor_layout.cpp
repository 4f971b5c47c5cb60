// Arithmetic of the monitor window's layout.
#include "viewer/core/monitor_layout.h"

#include "viewer/core/fit_picture.h"

constexpr int kAreaInset = 10;
// Left edge of the image area in the monitor's client area.
constexpr int kMonitorImageLeft = 8;

MonitorImageSize FitMonitorImage(const ScreenRect& areaControl, int headerWidth, int headerHeight, int pictureWidth) {
  const int areaWidth = (areaControl.right - kAreaInset) - (areaControl.left + kAreaInset) + 1;
  const int areaHeight = (areaControl.bottom - kAreaInset) - (areaControl.top + kAreaInset) + 1;
  const FittedSize fitted = FitPicture(headerWidth, headerHeight, areaWidth, areaHeight);
  return {fitted.width, fitted.height, static_cast<float>(fitted.width) / static_cast<float>(pictureWidth)};
}

WindowPlacement PlaceMonitorWindow(const ScreenRect& window, int imageWidth) {
  return {window.left + (window.right - window.left - imageWidth + 1) / 2 - kAreaInset, window.top,
          imageWidth + 2 * kAreaInset + 1, window.bottom - window.top + 1};
}

ImageOrigin MonitorImageOrigin(const ScreenRect& areaControl, int imageHeight) {
  return {kMonitorImageLeft, (areaControl.bottom - areaControl.top + 1 - imageHeight) / 2};
}

int MonitorRowOf(const RenderState& state, int y) {
  return state.imageTop + static_cast<int>(static_cast<double>(y) * state.monitorScale);
}

ScreenRect OverlayRect(const ScreenRect& window) {
  return {window.left + 2, window.top + 10, window.right - 10, window.bottom - 18};
}
