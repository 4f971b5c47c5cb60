// The screen-compatible off-screen bitmap of the "-f" command.
#include "viewer/win32/offscreen_picture.h"

#include "common/win32/scoped.h"
#include "viewer/core/picture_rows.h"
#include "viewer/win32/viewer_state.h"

bool CreateOffscreenPicture(int width, int height) {
  {
    ScopedWindowDc screen(nullptr);
    if (!g_handles.offscreen.Create(screen.get(), width, height)) return false;
  }
  BitBlt(g_handles.offscreen.dc(), 0, 0, width, height, nullptr, 0, 0, WHITENESS);
  return true;
}

bool TransferPictureRows(const MemoryPicture& picture, int first, int count) {
  // Bands report rows that scale beyond the picture too; there is nothing to bring in then.
  if (first < 0 || count <= 0 || count > picture.height() - first) return false;
  if (!g_handles.offscreen) return false;
  HDC dc = g_handles.offscreen.dc();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width();
  info.bmiHeader.biHeight = -count;  // top-down, as the memory picture is
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  if (SetDIBitsToDevice(dc, 0, first, picture.width(), count, 0, 0, 0, count, picture.Row(first), &info,
                        DIB_RGB_COLORS) != count) {
    return false;
  }
  // A 32-bit device bitmap takes the pixels as they are, all four bytes. At other depths the
  // colour conversion drops bits that WHITENESS sets (bit 15 of a 555 pixel), so untouched
  // white is filled the way the device filled it.
  BITMAP device{};
  GetObjectA(g_handles.offscreen.bitmap(), sizeof device, &device);
  if (device.bmBitsPixel == 32) return true;
  for (int y = first; y < first + count; ++y) {
    for (const PixelRun& run : WhiteRuns(picture.Row(y), picture.width())) {
      PatBlt(dc, run.x, y, run.length, 1, WHITENESS);
    }
  }
  return true;
}
