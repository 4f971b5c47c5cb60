// Reading back what a window shows on the screen, and saving it for a person to look at.
#include "tools/monitor_capture/screen_capture.h"

#include <cstdio>

#include "common/win32/scoped.h"

ScreenImage CaptureScreen(const RECT& area) {
  ScreenImage image;
  image.width = area.right - area.left;
  image.height = area.bottom - area.top;
  if (image.width <= 0 || image.height <= 0) return ScreenImage{};
  image.pixels.assign(static_cast<size_t>(image.width) * image.height, 0);

  ScopedWindowDc screen(nullptr);
  ScopedCreatedDc memory(CreateCompatibleDC(screen.get()));
  ScopedBitmap bitmap(CreateCompatibleBitmap(screen.get(), image.width, image.height));
  {
    ScopedSelect select(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, image.width, image.height, screen.get(), area.left, area.top, SRCCOPY);
  }
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{sizeof info.bmiHeader, image.width, -image.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  GetDIBits(memory.get(), bitmap.get(), 0, image.height, image.pixels.data(), &info, DIB_RGB_COLORS);
  return image;
}

bool SaveBmp(const ScreenImage& image, const std::string& path) {
  // A 32-bit top-down BMP holds the capture's rows; a clear fourth byte is not read as alpha.
  std::vector<uint32_t> pixels(image.pixels);
  for (uint32_t& p : pixels) p &= 0x00FFFFFFu;
  const DWORD imageSize = static_cast<DWORD>(pixels.size() * 4);
  BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof file + sizeof(BITMAPINFOHEADER)) + imageSize, 0, 0,
                        sizeof file + sizeof(BITMAPINFOHEADER)};
  BITMAPINFOHEADER header{sizeof header, image.width, -image.height, 1, 32, BI_RGB, imageSize, 0, 0, 0, 0};
  FILE* out = fopen(path.c_str(), "wb");
  if (!out) return false;
  bool ok = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&header, sizeof header, 1, out) == 1 &&
            fwrite(pixels.data(), 4, pixels.size(), out) == pixels.size();
  ok = fclose(out) == 0 && ok;
  return ok;
}
