// The monitor window of a held "-f" job, read from the screen once and judged on that image.
#include "tools/monitor_capture/monitor_picture.h"

#include "tools/monitor_capture/monitor_hold.h"
#include "viewer/core/monitor_layout.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

// The client area inside a capture of the whole window.
struct ClientView {
  const ScreenImage& window;
  POINT origin;
  int width;
  int height;
  uint32_t At(int x, int y) const { return window.At(origin.x + x, origin.y + y); }
  // True when every pixel of columns x0..x1 and rows y0..y1 is `colour`.
  bool Filled(int x0, int x1, int y0, int y1, uint32_t colour) const {
    for (int y = y0; y <= y1; ++y) {
      for (int x = x0; x <= x1; ++x) {
        if (At(x, y) != colour) return false;
      }
    }
    return true;
  }
};

}  // namespace

MonitorPicture CaptureMonitor(HWND monitor) {
  MonitorPicture picture;
  RECT window{}, client{};
  POINT origin{0, 0};
  if (!MonitorLaidOut(monitor) || !GetWindowRect(monitor, &window) || !GetClientRect(monitor, &client) ||
      !ClientToScreen(monitor, &origin)) {
    return picture;
  }
  picture.window = CaptureScreen(window);
  const ClientView view{picture.window, {origin.x - window.left, origin.y - window.top}, client.right, client.bottom};
  if (picture.window.width == 0 || view.origin.x < 0 || view.origin.y < 0 ||
      view.origin.x + view.width > picture.window.width || view.origin.y + view.height > picture.window.height) {
    return picture;
  }

  // The picture is centred in the height of the hidden image-area control; its frame's left
  // side covers the two columns left of it.
  const ImageOrigin centre = MonitorImageOrigin(MonitorAreaRect(monitor), 0);
  const int middle = centre.top, left = centre.left - 2;
  if (middle < 0 || middle >= view.height || centre.left >= view.width) return picture;
  const uint32_t frame = view.At(left + 1, middle), background = view.At(left - 1, middle);
  if (frame == background || frame == kWhite) return picture;
  int top = middle, bottom = middle, right = left + 1;
  while (top > 0 && view.At(left + 1, top - 1) == frame) --top;
  while (bottom + 1 < view.height && view.At(left + 1, bottom + 1) == frame) ++bottom;
  while (right + 1 < view.width && view.At(right + 1, top) == frame) ++right;
  if (bottom - top < 5 || right - left < 5) return picture;
  if (!view.Filled(left, right, top, top + 1, frame) || !view.Filled(left, right, bottom - 1, bottom, frame) ||
      !view.Filled(left, left + 1, top, bottom, frame) || !view.Filled(right - 1, right, top, bottom, frame)) {
    return picture;
  }

  picture.frame = frame;
  picture.image = {left + 2, top + 2, right - 1, bottom - 1};
  // Pictures have blank rows: any drawn pixel from an eighth to a quarter of the way down.
  const int height = picture.image.bottom - picture.image.top;
  for (int y = picture.image.top + height / 8; y <= picture.image.top + height / 4 && !picture.framed; ++y) {
    for (int x = picture.image.left; x < picture.image.right && !picture.framed; ++x) {
      const uint32_t pixel = view.At(x, y);
      picture.framed = pixel != kWhite && pixel != background && pixel != frame;
    }
  }
  return picture;
}
