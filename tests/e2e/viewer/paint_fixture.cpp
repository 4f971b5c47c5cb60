// The host window the painting commands paint into, the viewer run as a painter, and a
// test picture to paint.
#include "tests/e2e/viewer/paint_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "common/little_endian.h"

namespace {
const DWORD kTimeout = 20000;
}

PaintHost::PaintHost() : process_(ProgramPath("paint_host.exe"), "") {
  window_ = process_.started() ? WaitForWindow(process_.pid(), "QexPaintHost", kTimeout) : nullptr;
  ready_ = window_ != nullptr && Restore();
}

ScreenImage PaintHost::Capture() const {
  return CaptureScreen(RECT{kHostX, kHostY, kHostX + kHostWidth, kHostY + kHostHeight});
}

bool PaintHost::Untouched(const ScreenImage& image) const {
  if (image.width != kHostWidth || image.height != kHostHeight) return false;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (image.At(x, y) != (y < kAreaHeight + 2 ? kHostColour : kStripe)) return false;
    }
  }
  return true;
}

bool PaintHost::Restore() {
  InvalidateRect(window_, nullptr, TRUE);
  for (DWORD start = GetTickCount(); GetTickCount() - start < kTimeout; Sleep(50)) {
    if (Untouched(Capture())) return true;
  }
  return false;
}

std::string HostRect(int x, int y, int width, int height) {
  const int left = kHostX + x, top = kHostY + y;
  return " " + std::to_string(left) + " " + std::to_string(top) + " " + std::to_string(left + width - 1) + " " +
         std::to_string(top + height - 1);
}

DWORD RunPainter(const std::string& arguments) {
  char saved[256] = "";
  const bool hadDebug = GetEnvironmentVariableA("WINEDEBUG", saved, sizeof saved) > 0;
  SetEnvironmentVariableA("WINEDEBUG", "-all,+synchronous");
  ChildProcess painter(ProgramPath("QexView.exe"), arguments);
  SetEnvironmentVariableA("WINEDEBUG", hadDebug ? saved : nullptr);
  return painter.Wait(kTimeout);
}

uint32_t Logical(double u, double v) { return u < 0.25 ? kBlue : v < 0.5 ? kRed : kGreen; }

std::vector<uint8_t> Bmp24(int width, int height, bool rowsTopFirst) {
  const int stride = (width * 3 + 3) & ~3;
  const uint32_t size = 54 + static_cast<uint32_t>(stride) * height;
  std::vector<uint8_t> f(size, 0);
  f[0] = 'B', f[1] = 'M', f[26] = 1, f[28] = 24;
  PutU32(&f[2], size), PutU32(&f[10], 54), PutU32(&f[14], 40);
  PutU32(&f[18], static_cast<uint32_t>(width)), PutU32(&f[22], static_cast<uint32_t>(height));
  for (int stored = 0; stored < height; ++stored) {
    const int y = rowsTopFirst ? stored : height - 1 - stored;
    for (int x = 0; x < width; ++x) {
      const uint32_t c = Logical((x + 0.5) / width, (y + 0.5) / height);
      uint8_t* p = &f[54 + static_cast<size_t>(stored) * stride + x * 3];
      p[0] = c & 0xFF, p[1] = c >> 8 & 0xFF, p[2] = c >> 16 & 0xFF;
    }
  }
  return f;
}

std::string SamplesDir() {
  char dir[MAX_PATH] = "";
  return GetEnvironmentVariableA("QEX_VIEWER_SAMPLES", dir, sizeof dir) ? dir : "";
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool NearFrame(int x, int y, const PictureArea& a) {
  const bool withinX = x >= a.x0 - 1 && x <= a.x0 + a.w + 1, withinY = y >= a.y0 - 1 && y <= a.y0 + a.h + 1;
  return (withinX && (std::abs(y - a.y0) <= 1 || std::abs(y - (a.y0 + a.h)) <= 1)) ||
         (withinY && (std::abs(x - a.x0) <= 1 || std::abs(x - (a.x0 + a.w)) <= 1));
}

void ExpectAreaAndFrame(const ScreenImage& image, const PictureArea& a, bool framed) {
  for (int x = 0; x < kHostWidth; ++x) {
    ASSERT_EQ(image.At(x, kAreaHeight), kHostColour) << "row B, x " << x;
    ASSERT_EQ(image.At(x, kAreaHeight + 1), kHostColour) << "row B + 1, x " << x;
  }
  for (int y = 0; y < kAreaHeight; ++y) {
    ASSERT_EQ(image.At(kAreaWidth, y), kHostColour) << "column A, y " << y;
    for (int x = 0; x < kAreaWidth; ++x) {
      const bool inside = x >= a.x0 && x < a.x0 + a.w && y >= a.y0 && y < a.y0 + a.h;
      if (framed && (inside || NearFrame(x, y, a))) continue;
      ASSERT_EQ(image.At(x, y), kStripe) << "background at " << x << "," << y;
    }
  }
  if (!framed) return;
  // Each side of the frame within a pixel of its line; one on the far edge shows its inner pixel.
  auto frameNear = [&](int x, int y) {
    for (int d = 0; d < 9; ++d) {
      const int px = x + d % 3 - 1, py = y + d / 3 - 1;
      if (px >= 0 && py >= 0 && image.At(px, py) == kFrameColour) return true;
    }
    return false;
  };
  EXPECT_TRUE(frameNear(a.x0 + a.w / 2, a.y0) && frameNear(a.x0 + a.w / 2, a.y0 + a.h) &&
              frameNear(a.x0, a.y0 + a.h / 2) && frameNear(a.x0 + a.w, a.y0 + a.h / 2));
}
