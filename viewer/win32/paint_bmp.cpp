// "-b": paints a BMP file, shrunk to fit, flipped and framed, into another window.
#include <string>

#include "common/win32/scoped.h"
#include "viewer/core/picture_area.h"
#include "viewer/win32/commands.h"
#include "viewer/win32/load_bmp_file.h"
#include "viewer/win32/viewer_state.h"
#include "viewer/win32/window_painting.h"

namespace {

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
  HDC composition = g_handles.offscreen.dc();
  SetStretchBltMode(composition, COLORONCOLOR);
  StretchBlt(composition, area.x0, area.y0 + area.h - 1, area.w, -area.h, sourceDc.get(), 0, 0, image.width,
             image.height, SRCCOPY);
  DrawFrame(composition, area.x0, area.y0, area.x0 + area.w, area.y0 + area.h);
}

}  // namespace

int PaintBmpCommand(const char* commandLine) {
  std::string fileName;
  ScreenRect rect{};
  int areaWidth = 0;
  int areaHeight = 0;
  if (!ParseRectCommand(commandLine, "-b", &fileName, &rect) || !RectangleSize(rect, &areaWidth, &areaHeight)) {
    return -1;
  }
  BmpImage image;
  const int load = LoadBmpFile(&image, fileName.c_str());
  if (load == -1) return -1;
  HWND window = TargetWindow(rect);
  if (!window) return -1;
  ScopedWindowDc windowDc(window);
  if (!windowDc) return -1;
  // Without a composition there is nothing sound to copy: paint nothing.
  if (!g_handles.offscreen.Create(windowDc.get(), areaWidth, areaHeight)) return -1;
  HDC composition = g_handles.offscreen.dc();
  FillWithWindowBackground(composition, windowDc.get(), areaWidth, areaHeight);
  // A file kept from the conversion leaves the background alone, as one converting no line does.
  if (load == 0) DrawPicture(windowDc.get(), image, areaWidth, areaHeight);
  FreeBmpFile(&image);
  BitBlt(windowDc.get(), 0, 0, areaWidth, areaHeight, composition, 0, 0, SRCCOPY);
  ReleasePicture();
  return 0;
}
