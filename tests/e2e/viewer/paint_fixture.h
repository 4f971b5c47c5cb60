// A host window to paint into, the viewer run as a painter, and reading back the result.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/support/process.h"
#include "tests/e2e/support/screen.h"

// The host's place on the screen and its colours (0x00RRGGBB, as ScreenImage gives them).
constexpr int kHostX = 40;
constexpr int kHostY = 30;
constexpr int kHostWidth = 520;
constexpr int kHostHeight = 420;
constexpr uint32_t kHostColour = 0x336699;
constexpr uint32_t kFrameColour = 0x0000AF;
constexpr uint32_t kStripe = 0xC8B464;  // what the hosts show from row B + 2 down
constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

class PaintHost {
 public:
  // Rows from `stripeTop` down show `stripeColour`, the rows above kHostColour.
  PaintHost(int stripeTop, uint32_t stripeColour);
  bool ready() const { return ready_; }
  // The host's whole client area as the screen shows it.
  ScreenImage Capture() const;
  // Has the host repaint itself and waits until it shows its own colours again.
  bool Restore();
  // True when the host still shows only its own colours.
  bool Untouched(const ScreenImage& image) const;

 private:
  bool WaitUntilPlain();
  std::unique_ptr<TestProcess> process_;
  HWND window_ = nullptr;
  int stripeTop_;
  uint32_t stripeColour_;
  bool ready_ = false;
};

// "left top right bottom" of a width x height rectangle whose top-left corner is at client
// point (x, y) of the host, inclusive edges, in screen coordinates.
std::string HostRect(int x, int y, int width, int height);

// Runs QexView with the arguments and returns its exit code. The painter's X requests are
// made synchronous so that what it draws reaches the screen before it exits.
DWORD RunPainter(const std::string& arguments);

// The test picture as meant to be seen, at fractions (u, v) of its width and height: left
// quarter blue, else top half red, bottom half green.
uint32_t Logical(double u, double v);
// A 24-bit bottom-up BMP of that picture; `rowsTopFirst` stores it the way snapshots are.
std::vector<uint8_t> Bmp24(int width, int height, bool rowsTopFirst);

// The folder of sample jobs (NAME.PRN, NAME.VCT) and their native snapshots (NAME.bmp),
// made by the native tools before the tests run; "" when QEX_VIEWER_SAMPLES is not set.
std::string SamplesDir();

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// True when one of the pixels within `slack` of (x, y) has the colour.
bool ColourNear(const ScreenImage& image, int x, int y, int slack, uint32_t colour);
