// Reading back what was painted on the screen, and saving it for a person to look at.
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
// Copies a window's client area as it shows on the screen.
ScreenImage CaptureClient(HWND window);

// Path of a test artifact in build/win32/artifacts (created on demand).
std::string ArtifactPath(const std::string& name);
// Writes the image as a BMP (scripts/test.sh turns artifacts into PNG files).
bool SaveBmp(const ScreenImage& image, const std::string& path);
