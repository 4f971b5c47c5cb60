// The monitor window of a held "-f" job, read from the screen once and judged on that one
// image, so that the image kept is the image judged: while the job is held the display may
// clear the window, which the held viewer cannot repaint.
#pragma once
#include <windows.h>

#include <cstdint>

#include "tools/monitor_capture/screen_capture.h"
#include "viewer/core/command_line.h"

struct MonitorPicture {
  // The whole window as the screen shows it, caption and borders included.
  ScreenImage window;
  // Set when the monitor is laid out, the picture's 2-pixel frame is there on all four sides
  // and the picture shows a drawn pixel between an eighth and a quarter of the way down; then
  // `frame` is the frame's colour and `image` the rectangle inside it (client coordinates,
  // right and bottom outside).
  bool framed = false;
  uint32_t frame = 0;
  ScreenRect image{};
};

MonitorPicture CaptureMonitor(HWND monitor);
