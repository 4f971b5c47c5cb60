// Reading back what was painted on the screen, and saving it for a person to look at.
#include "tests/e2e/support/screen.h"

#include <cstdio>

#include "common/win32/scoped.h"
#include "tests/e2e/support/process.h"

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
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  GetDIBits(memory.get(), bitmap.get(), 0, image.height, image.pixels.data(), &info, DIB_RGB_COLORS);
  return image;
}

ScreenImage CaptureClient(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  OffsetRect(&client, origin.x, origin.y);
  return CaptureScreen(client);
}

std::string ArtifactPath(const std::string& name) {
  std::string dir = ProgramPath("..\\artifacts");
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir + "\\" + name;
}

bool SaveBmp(const ScreenImage& image, const std::string& path) {
  const int stride = (image.width * 3 + 3) & ~3;
  const DWORD imageSize = static_cast<DWORD>(stride) * image.height;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + imageSize;
  header.biSize = sizeof header;
  header.biWidth = image.width;
  header.biHeight = image.height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  std::vector<uint8_t> rows(imageSize, 0);
  for (int y = 0; y < image.height; ++y) {
    uint8_t* row = &rows[static_cast<size_t>(image.height - 1 - y) * stride];
    for (int x = 0; x < image.width; ++x) {
      const uint32_t p = image.At(x, y);
      row[3 * x] = static_cast<uint8_t>(p);
      row[3 * x + 1] = static_cast<uint8_t>(p >> 8);
      row[3 * x + 2] = static_cast<uint8_t>(p >> 16);
    }
  }
  FILE* out = fopen(path.c_str(), "wb");
  if (!out) return false;
  bool ok = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&header, sizeof header, 1, out) == 1 &&
            fwrite(rows.data(), 1, rows.size(), out) == rows.size();
  ok = fclose(out) == 0 && ok;
  return ok;
}
