// A host window to paint into, the viewer run as a painter, and reading back the result.
#include "tests/e2e/viewer/paint_fixture.h"

#include <cstdio>
#include <fstream>

namespace {
const DWORD kTimeout = 20000;
}

PaintHost::PaintHost(int stripeTop, uint32_t stripeColour) : stripeTop_(stripeTop), stripeColour_(stripeColour) {
  char arguments[128];
  snprintf(arguments, sizeof arguments, "%d %d %d %d %x %d %x", kHostX, kHostY, kHostWidth, kHostHeight,
           kHostColour, stripeTop, stripeColour);
  process_ = std::make_unique<TestProcess>(ProgramPath("paint_host.exe"), arguments);
  if (!process_->started()) return;
  window_ = WaitForWindow(process_->pid(), "QexPaintHost", kTimeout);
  ready_ = window_ != nullptr && WaitUntilPlain();
}

ScreenImage PaintHost::Capture() const {
  return CaptureScreen(RECT{kHostX, kHostY, kHostX + kHostWidth, kHostY + kHostHeight});
}

bool PaintHost::Untouched(const ScreenImage& image) const {
  if (image.width != kHostWidth || image.height != kHostHeight) return false;
  for (int y = 0; y < image.height; ++y) {
    const uint32_t expected = y < stripeTop_ ? kHostColour : stripeColour_;
    for (int x = 0; x < image.width; ++x) {
      if (image.At(x, y) != expected) return false;
    }
  }
  return true;
}

bool PaintHost::WaitUntilPlain() {
  for (DWORD start = GetTickCount(); GetTickCount() - start < kTimeout; Sleep(50)) {
    if (Untouched(Capture())) return true;
  }
  return false;
}

bool PaintHost::Restore() {
  InvalidateRect(window_, nullptr, TRUE);
  return WaitUntilPlain();
}

std::string HostRect(int x, int y, int width, int height) {
  const int left = kHostX + x;
  const int top = kHostY + y;
  return std::to_string(left) + " " + std::to_string(top) + " " + std::to_string(left + width - 1) + " " +
         std::to_string(top + height - 1);
}

DWORD RunPainter(const std::string& arguments) {
  char saved[256] = "";
  const bool hadDebug = GetEnvironmentVariableA("WINEDEBUG", saved, sizeof saved) > 0;
  SetEnvironmentVariableA("WINEDEBUG", "-all,+synchronous");
  TestProcess painter(ProgramPath("QexView.exe"), arguments);
  SetEnvironmentVariableA("WINEDEBUG", hadDebug ? saved : nullptr);
  return painter.Wait(kTimeout);
}

uint32_t Logical(double u, double v) {
  if (u < 0.25) return kBlue;
  return v < 0.5 ? kRed : kGreen;
}

std::vector<uint8_t> Bmp24(int width, int height, bool rowsTopFirst) {
  const int stride = (width * 3 + 3) & ~3;
  const uint32_t size = 54 + static_cast<uint32_t>(stride) * height;
  std::vector<uint8_t> f(size, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) f[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  f[0] = 'B', f[1] = 'M';
  put32(2, size), put32(10, 54), put32(14, 40), put32(18, width), put32(22, height);
  f[26] = 1, f[28] = 24;
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
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool ColourNear(const ScreenImage& image, int x, int y, int slack, uint32_t colour) {
  for (int dy = -slack; dy <= slack; ++dy) {
    for (int dx = -slack; dx <= slack; ++dx) {
      const int px = x + dx;
      const int py = y + dy;
      if (px >= 0 && py >= 0 && px < image.width && py < image.height && image.At(px, py) == colour) return true;
    }
  }
  return false;
}
