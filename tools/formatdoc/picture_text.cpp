// Renders the rule jobs with the viewer's core and prints what it drew.
#include "tools/formatdoc/picture_text.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "viewer/core/bmp_file.h"
#include "viewer/core/overlay_picture.h"
#include "viewer/core/pen_palette.h"
#include "viewer/core/picture_area.h"
#include "viewer/core/preview_file.h"
#include "viewer/core/preview_header_reader.h"
#include "viewer/core/vector_file.h"

namespace {

bool ReadBytes(const std::string& name, std::vector<uint8_t>* bytes) {
  std::ifstream file(name, std::ios::binary);
  if (!file) return false;
  bytes->assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return !file.bad();
}

char PenLetter(uint32_t pixel) {
  if (pixel == kWhitenessPixel) return '.';
  for (unsigned pen = 0; pen < kPenCount; ++pen) {
    if (DevicePixel(PenPalette[pen]) == pixel) return "KRGYBMCO"[pen];
  }
  return '?';
}

// Renders JOB, and OVERLAY over it when given; false with the reason on stderr.
bool Render(const std::string& job, const std::string& overlay, RenderState& state) {
  std::vector<uint8_t> bytes;
  NoMonitorObserver observer;
  PreviewError error;
  if (!ReadBytes(job, &bytes) || RenderPreview(bytes.data(), bytes.size(), state, observer, &error) != 0) {
    std::fprintf(stderr, "%s: not rendered: %s\n", job.c_str(), error.reason.c_str());
    return false;
  }
  if (overlay.empty()) return true;
  if (!ReadBytes(overlay, &bytes)) {
    std::fprintf(stderr, "cannot read %s\n", overlay.c_str());
    return false;
  }
  ByteCursor in(bytes.data(), bytes.size());
  if (DrawOverlayIntoPicture(in, state.picture, state, &error) != 0) {
    std::fprintf(stderr, "%s: %s\n", overlay.c_str(), error.reason.c_str());
    return false;
  }
  return true;
}

bool ParseSize(const std::string& text, int* value) {
  char* end = nullptr;
  const long number = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || number < 1 || number > 65535) return false;
  *value = static_cast<int>(number);
  return true;
}

}  // namespace

int PrintPictureArt(const std::string& job, const std::string& overlay) {
  RenderState state;
  if (!Render(job, overlay, state)) return 1;
  for (int y = 0; y < state.picture.height(); ++y) {
    std::string line;
    for (int x = 0; x < state.picture.width(); ++x) line += PenLetter(state.picture.Pixel(x, y));
    std::printf("%s\n", line.c_str());
  }
  return 0;
}

int PrintDrawnPixels(const std::string& job) {
  RenderState state;
  if (!Render(job, "", state)) return 1;
  std::printf("picture %d x %d, drawn:", state.picture.width(), state.picture.height());
  for (int y = 0; y < state.picture.height(); ++y) {
    for (int x = 0; x < state.picture.width(); ++x) {
      const char pen = PenLetter(state.picture.Pixel(x, y));
      if (pen != '.') std::printf(" (%d, %d) %c", x, y, pen);
    }
  }
  std::printf("\n");
  return 0;
}

int PrintPlacement(const std::string& bmp, const std::string& overlay, const std::string& areaWidth,
                   const std::string& areaHeight) {
  int a = 0, b = 0;
  std::vector<uint8_t> bmpBytes, overlayBytes;
  BmpImage image;
  qex::PreviewHeader header;
  if (!ParseSize(areaWidth, &a) || !ParseSize(areaHeight, &b) || !ReadBytes(bmp, &bmpBytes) ||
      ParseBmpFile(bmpBytes.data(), bmpBytes.size(), &image) != 0 || !ReadBytes(overlay, &overlayBytes)) {
    std::fprintf(stderr, "cannot place %s and %s in %s x %s\n", bmp.c_str(), overlay.c_str(), areaWidth.c_str(),
                 areaHeight.c_str());
    return 1;
  }
  ByteCursor in(overlayBytes.data(), overlayBytes.size());
  if (!ReadPreviewHeader(in, &header)) {
    std::fprintf(stderr, "%s: header cut short\n", overlay.c_str());
    return 1;
  }
  const PictureArea picture = PlacePicture(image.width, image.height, a, b);
  const PictureArea area = PlacePicture(header.width, header.height, a, b);
  RenderState state;
  SetOverlayScale(header, area.w, state);
  std::printf("rectangle %d x %d\n", a, b);
  std::printf("snapshot %d x %d: shown %d x %d at (%d, %d)\n", image.width, image.height, picture.w, picture.h,
              picture.x0, picture.y0);
  std::printf("overlay header %d x %d: picture area %d x %d at (%d, %d), zoom %.9g\n", header.width, header.height,
              area.w, area.h, area.x0, area.y0, static_cast<double>(state.zoom));
  return 0;
}
