// Reading back what a window shows on the screen, and saving it for a person to look at.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// A 32-bit top-down copy of a screen area; pixel values 0x00RRGGBB.
struct ScreenImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x] & 0x00FFFFFFu; }
};

// Copies the screen rectangle (screen coordinates) through GetDC(NULL).
ScreenImage CaptureScreen(const RECT& area);

// Writes the image as a 32-bit BMP, rows top first; false when the file cannot be written.
bool SaveBmp(const ScreenImage& image, const std::string& path);
