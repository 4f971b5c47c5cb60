// The overlay drawn into a memory picture against GDI's Polyline into a clipped bitmap:
// the same pixels, slanted lines and their half-step ties in every octant included.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "common/win32/scoped.h"
#include "tools/samplejob/vector_builder.h"
#include "viewer/core/overlay_picture.h"
#include "viewer/core/picture_area.h"
#include "viewer/core/vector_file.h"

namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;

using Points = std::vector<std::pair<int16_t, int16_t>>;

struct OverlayCase {
  const char* name;
  uint8_t xPitchByte;
  uint16_t headerWidth, headerHeight;
  std::vector<Points> polylines;
};

// Draws the file as the viewer draws into a window: clip region, 1-pixel pens, Polyline.
std::vector<uint32_t> DrawWithGdi(const std::vector<uint8_t>& file) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kWidth;
  info.bmiHeader.biHeight = -kHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  ScopedCreatedDc dc(CreateCompatibleDC(nullptr));
  ScopedBitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  std::vector<uint32_t> pixels(kWidth * kHeight);
  if (!bitmap) return pixels;
  ScopedSelect select(dc.get(), bitmap.get());
  PatBlt(dc.get(), 0, 0, kWidth, kHeight, WHITENESS);
  VectorHeader header;
  ReadVectorHeader(file.data(), file.size(), &header);
  const PictureArea area = PlacePicture(header.width, header.height, kWidth, kHeight);
  RenderState state;
  SetOverlayScale(header, area.w, state);
  ScopedRegion clip(CreateRectRgn(area.x0, area.y0, area.x0 + area.w, area.y0 + area.h));
  SelectClipRgn(dc.get(), clip.get());
  std::vector<VectorPoint> mapped;
  uint32_t colour = 0;
  for (size_t offset = kPreviewHeaderSize; offset < file.size();) {
    if (ReadPolylineRecord(file.data(), file.size(), &offset, state, area, &colour, &mapped) != 0) break;
    std::vector<POINT> points;
    for (const VectorPoint& p : mapped) points.push_back(POINT{p.x, p.y});
    ScopedPen pen(CreatePen(PS_SOLID, 1, colour));
    ScopedSelect selectPen(dc.get(), pen.get());
    Polyline(dc.get(), points.data(), static_cast<int>(points.size()));
  }
  GdiFlush();
  std::memcpy(pixels.data(), bits, pixels.size() * sizeof(uint32_t));
  return pixels;
}

class OverlayGdi : public ::testing::TestWithParam<OverlayCase> {};

TEST_P(OverlayGdi, MemoryOverlayMatchesGdi) {
  const OverlayCase& c = GetParam();
  VectorBuilder builder(c.headerWidth, c.headerHeight, c.xPitchByte, 10);
  uint16_t pen = 1;
  for (const Points& points : c.polylines) builder.Polyline(pen++ % 8, points);
  const std::vector<uint8_t>& file = builder.bytes();

  MemoryPicture picture;
  ASSERT_TRUE(picture.Create(kWidth, kHeight));
  RenderState state;
  ASSERT_EQ(DrawOverlayIntoPicture(file.data(), file.size(), picture, state), 0);
  const std::vector<uint32_t> memory(picture.Row(0), picture.Row(0) + kWidth * kHeight);
  const std::vector<uint32_t> gdi = DrawWithGdi(file);

  for (int i = 0; i < kWidth * kHeight; ++i) ASSERT_EQ(memory[i], gdi[i]) << "at " << i % kWidth << "," << i / kWidth;
}

INSTANTIATE_TEST_SUITE_P(
    Overlay, OverlayGdi,
    ::testing::Values(
        OverlayCase{"AxisLinesMirrored", 0xF6, 40, 30, {{{-5, 3}, {50, 3}}, {{5, -9}, {5, 40}}, {{3, 7}, {9, 7}}}},
        // From the middle into all eight octants, each with ties at half steps.
        OverlayCase{"OctantsWithTies", 10, 64, 48,
                    {{{32, 24}, {38, 27}}, {{32, 24}, {35, 30}}, {{32, 24}, {29, 30}}, {{32, 24}, {26, 27}},
                     {{32, 24}, {26, 21}}, {{32, 24}, {29, 18}}, {{32, 24}, {35, 18}}, {{32, 24}, {38, 21}},
                     {{5, 40}, {15, 45}}, {{15, 35}, {5, 30}}}},
        OverlayCase{"Slanted", 10, 64, 48,
                    {{{0, 0}, {63, 47}}, {{0, 47}, {63, 0}}, {{3, 5}, {13, 40}}, {{60, 2}, {7, 9}},
                     {{10, 30}, {30, 20}, {50, 44}, {12, 46}}}},
        OverlayCase{"SlantedScaledAndCut", 0xF3, 200, 120, {{{-40, -30}, {230, 150}}, {{100, 0}, {0, 119}}}}),
    [](const ::testing::TestParamInfo<OverlayCase>& param) { return std::string(param.param.name); });

}  // namespace
