// The host window the painting commands paint into, the viewer run as a painter, and a
// test picture to paint.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/support/process.h"
#include "tests/e2e/support/screen.h"
#include "viewer/core/picture_area.h"

// paint_host.exe's place on the screen and its colours (0x00RRGGBB, as ScreenImage gives
// them): kHostColour above row kAreaHeight + 2 of its client area, kStripe from there down.
constexpr int kHostX = 40, kHostY = 30, kHostWidth = 520, kHostHeight = 420;
constexpr int kAreaWidth = 400, kAreaHeight = 300;  // the rectangle every test paints into
constexpr uint32_t kHostColour = 0x336699, kStripe = 0xC8B464, kFrameColour = 0x0000AF;
constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

class PaintHost {
 public:
  PaintHost();
  bool ready() const { return ready_; }
  ScreenImage Capture() const;
  // True when the host still shows only its own colours.
  bool Untouched(const ScreenImage& image) const;
  // Has the host repaint itself and waits until it shows its own colours again.
  bool Restore();

 private:
  ChildProcess process_;
  HWND window_ = nullptr;
  bool ready_ = false;
};

// " left top right bottom" in screen coordinates of the rectangle at client point (x, y)
// of the host, of width x height pixels counted with both edges.
std::string HostRect(int x = 0, int y = 0, int width = kAreaWidth, int height = kAreaHeight);

// Runs QexView with the arguments and returns its exit code. The painter's X requests are
// synchronous so that what it draws reaches the screen before it exits.
DWORD RunPainter(const std::string& arguments);

// The test picture as meant to be seen, at fractions (u, v) of its width and height: left
// quarter blue, else top half red, bottom half green.
uint32_t Logical(double u, double v);
// A 24-bit BMP of that picture; `rowsTopFirst` stores it the way snapshots are.
std::vector<uint8_t> Bmp24(int width, int height, bool rowsTopFirst);

// The folder of sample jobs (NAME.PRN, NAME.VCT) and their native snapshots (NAME.bmp),
// made by the native tools before the tests run; "" when QEX_VIEWER_SAMPLES is not set.
std::string SamplesDir();
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// Whether (x, y) is within a pixel of the frame around the picture area (a 2-pixel pen).
bool NearFrame(int x, int y, const PictureArea& a);
// Every painting leaves rows B and B + 1 and column A of the host alone, and paints the
// background sampled at (0, B + 2) around the picture area, inside the frame (everywhere
// when nothing is framed).
void ExpectAreaAndFrame(const ScreenImage& image, const PictureArea& a, bool framed = true);
