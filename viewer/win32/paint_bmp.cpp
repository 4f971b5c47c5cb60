// "-b": paints a BMP file, shrunk to fit, flipped and framed, into another window.
#include <string>

#include "common/win32/scoped.h"
#include "viewer/core/picture_area.h"
#include "viewer/win32/commands.h"
#include "viewer/win32/load_bmp_file.h"
#include "viewer/win32/viewer_state.h"
#include "viewer/win32/window_painting.h"

namespace {

// Frees the file on every way out; FreeBmpFile may also be called before.
struct LoadedBmp {
  BmpImage image;
  ~LoadedBmp() { FreeBmpFile(&image); }
};

// Converts the file's pixels and stretches them, flipped and framed, into the composition.
// When the conversion gives no lines the rectangle keeps only its background.
void DrawPicture(HDC windowDc, const BmpImage& image, int areaWidth, int areaHeight) {
  ScopedCreatedDc sourceDc(CreateCompatibleDC(windowDc));
  ScopedBitmap source(CreateCompatibleBitmap(windowDc, image.width, image.height));
  // Converted before it is selected: a bitmap selected into a DC must not be SetDIBits' target.
  const int lines = SetDIBits(sourceDc.get(), source.get(), 0, static_cast<UINT>(image.height), image.pixels,
                              reinterpret_cast<const BITMAPINFO*>(image.header), DIB_RGB_COLORS);
  if (lines == 0) return;
  ScopedSelect select(sourceDc.get(), source.get());
  const PictureArea area = PlacePicture(image.width, image.height, areaWidth, areaHeight);
  HDC composition = g_handles.offscreenDc;
  SetStretchBltMode(composition, COLORONCOLOR);
  StretchBlt(composition, area.x0, area.y0 + area.h - 1, area.w, -area.h, sourceDc.get(), 0, 0, image.width,
             image.height, SRCCOPY);
  DrawFrame(composition, area.x0, area.y0, area.x0 + area.w, area.y0 + area.h);
}

}  // namespace

int PaintBmpCommand(const char* commandLine) {
  std::string fileName;
  ScreenRect rect;
  int areaWidth = 0;
  int areaHeight = 0;
  if (!ParseRectCommand(commandLine, "-b", &fileName, &rect) || !RectangleSize(rect, &areaWidth, &areaHeight)) {
    return -1;
  }
  LoadedBmp loaded;
  const int load = LoadBmpFile(&loaded.image, fileName.c_str());
  if (load == -1) return -1;
  HWND window = TargetWindow(rect);
  if (!window) return -1;
  ScopedWindowDc windowDc(window);
  if (!windowDc) return -1;
  g_handles.offscreenDc = CreateCompatibleDC(windowDc.get());
  if (!g_handles.offscreenDc) return -1;
  g_handles.offscreenBitmap = CreateCompatibleBitmap(windowDc.get(), areaWidth, areaHeight);
  if (!g_handles.offscreenBitmap) {
    // Without a composition there is nothing sound to copy: paint nothing.
    ReleasePicture();
    return -1;
  }
  g_handles.previousBitmap = static_cast<HBITMAP>(SelectObject(g_handles.offscreenDc, g_handles.offscreenBitmap));
  FillWithWindowBackground(g_handles.offscreenDc, windowDc.get(), areaWidth, areaHeight);
  // A file the conversion cannot take leaves the background alone, as a failed conversion does.
  if (load == 0) DrawPicture(windowDc.get(), loaded.image, areaWidth, areaHeight);
  FreeBmpFile(&loaded.image);
  BitBlt(windowDc.get(), 0, 0, areaWidth, areaHeight, g_handles.offscreenDc, 0, 0, SRCCOPY);
  ReleasePicture();
  return 0;
}
