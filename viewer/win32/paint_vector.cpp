// "-v" and "-d": paint a job's vector overlay (and its BMP) into another window.
#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "common/win32/scoped.h"
#include "viewer/core/file_source.h"
#include "viewer/core/pen_palette.h"
#include "viewer/core/picture_area.h"
#include "viewer/core/vector_file.h"
#include "viewer/win32/commands.h"
#include "viewer/win32/viewer_state.h"
#include "viewer/win32/window_painting.h"

namespace {

// Background, white picture area and frame, composed in memory and copied in one blit.
bool PaintOverlayBackground(HDC windowDc, int areaWidth, int areaHeight, const PictureArea& area) {
  ScopedCreatedDc memory(CreateCompatibleDC(windowDc));
  ScopedBitmap bitmap(CreateCompatibleBitmap(windowDc, areaWidth, areaHeight));
  if (!memory || !bitmap) return false;
  ScopedSelect select(memory.get(), bitmap.get());
  FillWithWindowBackground(memory.get(), windowDc, areaWidth, areaHeight);
  BitBlt(memory.get(), area.x0, area.y0, area.w, area.h, nullptr, 0, 0, WHITENESS);
  DrawFrame(memory.get(), area.x0, area.y0, area.x0 + area.w, area.y0 + area.h);
  BitBlt(windowDc, 0, 0, areaWidth, areaHeight, memory.get(), 0, 0, SRCCOPY);
  return true;
}

}  // namespace

// Reads the next PolylineRecord from the overlay and draws it with a 1-pixel pen on the
// target window's DC.
int DrawPolylineRecord(HDC dc, ByteCursor& file, int x0, int y0, int w) {
  PolylineRecord record;
  std::vector<VectorPoint> mapped;
  if (ReadPolylineRecord(file, &record) != 0 ||
      !MapPolylinePoints(record, g_render, PictureArea{x0, y0, w, 0}, &mapped)) {
    return -1;
  }
  // Fewer than two points draw nothing: spare the pen of an empty record.
  if (mapped.size() < 2) return 0;
  std::vector<POINT> points;
  try {
    points.resize(mapped.size());
  } catch (const std::bad_alloc&) {
    return -1;
  }
  for (size_t i = 0; i < mapped.size(); ++i) points[i] = POINT{mapped[i].x, mapped[i].y};
  ScopedPen pen(CreatePen(PS_SOLID, 1, PenPalette[record.pen]));
  ScopedSelect select(dc, pen.get());
  Polyline(dc, points.data(), static_cast<int>(points.size()));
  return 0;
}

int PaintVectorCommand(const char* commandLine, int withBackground) {
  std::string fileName;
  std::string overlayName;
  ScreenRect rect{};
  int areaWidth = 0;
  int areaHeight = 0;
  if (!ParseRectCommand(commandLine, "-v", &fileName, &rect) || !RectangleSize(rect, &areaWidth, &areaHeight) ||
      !OverlayFileName(fileName, &overlayName)) {
    return -1;
  }
  // The overlay is read piece by piece as its records need it, never whole.
  FileSource source;
  if (!source.Open(overlayName.c_str())) return -1;
  ByteCursor file(source);
  qex::PreviewHeader header;
  if (!ReadPreviewHeader(file, &header)) return -1;
  HWND window = TargetWindow(rect);
  if (!window) return -1;
  ScopedWindowDc windowDc(window);
  if (!windowDc) return -1;

  const PictureArea area = PlacePicture(header.width, header.height, areaWidth, areaHeight);
  SetOverlayScale(header, area.w, g_render);
  if (withBackground && !PaintOverlayBackground(windowDc.get(), areaWidth, areaHeight, area)) return -1;

  ScopedRegion clip(CreateRectRgn(area.x0, area.y0, area.x0 + area.w, area.y0 + area.h));
  SelectClipRgn(windowDc.get(), clip.get());
  int result = 0;
  while (file.remaining() > 0) {
    if (DrawPolylineRecord(windowDc.get(), file, area.x0, area.y0, area.w) != 0) {
      result = -1;
      break;
    }
  }
  // A window with its own DC keeps the clip region after the release: take it away.
  SelectClipRgn(windowDc.get(), nullptr);
  return result;
}

int PaintBothCommand(const char* commandLine) {
  std::string fileName;
  std::string overlayName;
  ScreenRect rect{};
  // A name too short for the overlay fails before the BMP is painted.
  if (!ParseRectCommand(commandLine, "-d", &fileName, &rect) || !OverlayFileName(fileName, &overlayName)) {
    return -1;
  }
  if (PaintBmpCommand(FormatRectCommand("-b", fileName, rect).c_str()) != 0) return -1;
  return PaintVectorCommand(FormatRectCommand("-v", fileName, rect).c_str(), 0);
}
