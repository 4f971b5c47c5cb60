// Draws a VectorFile's polylines into a memory picture.
#include "viewer/core/overlay_picture.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "viewer/core/pen_palette.h"
#include "viewer/core/picture_area.h"
#include "viewer/core/vector_file.h"

namespace {

// A line from (x1, y1) to (x2, y2) without its end pixel, cut to `clip`, with the pixels
// GDI sets: each step along the longer axis sets one pixel; the other coordinate is
// rounded to nearest, and an exact half goes on only when that coordinate decreases (the
// Bresenham bias of GDI's octants 3, 5, 6 and 8). Only the steps whose longer-axis
// coordinate lies inside the clip are visited, so far-off points cost nothing; the shorter
// axis is cut pixel by pixel.
void DrawSegment(MemoryPicture& picture, const PictureArea& clip, int x1, int y1, int x2, int y2, uint32_t colour) {
  const int64_t dx = static_cast<int64_t>(x2) - x1;
  const int64_t dy = static_cast<int64_t>(y2) - y1;
  const bool xMajor = std::llabs(dx) > std::llabs(dy);
  const int64_t steps = xMajor ? std::llabs(dx) : std::llabs(dy);
  if (steps == 0) return;
  const int64_t minorLength = xMajor ? std::llabs(dy) : std::llabs(dx);
  const int64_t majorStart = xMajor ? x1 : y1;
  const int64_t minorStart = xMajor ? y1 : x1;
  const int64_t majorSign = (xMajor ? dx : dy) / steps;  // 1 or -1
  const bool forward = majorSign == 1;
  const int minorSign = (xMajor ? dy : dx) >= 0 ? 1 : -1;
  const int64_t bias = minorSign == -1 ? 1 : 0;
  const int64_t low = xMajor ? clip.x0 : clip.y0;
  const int64_t high = low + (xMajor ? clip.w : clip.h) - 1;
  const int64_t minorLow = xMajor ? clip.y0 : clip.x0;
  const int64_t minorHigh = minorLow + (xMajor ? clip.h : clip.w) - 1;
  int64_t first = forward ? low - majorStart : majorStart - high;
  int64_t last = forward ? high - majorStart : majorStart - low;
  first = std::max<int64_t>(first, 0);
  last = std::min<int64_t>(last, steps - 1);
  for (int64_t i = first; i <= last; ++i) {
    const int64_t major = majorStart + majorSign * i;
    const int64_t minor = minorStart + minorSign * ((2 * i * minorLength + steps - 1 + bias) / (2 * steps));
    if (minor >= minorLow && minor <= minorHigh) {
      picture.SetPixel(static_cast<int>(xMajor ? major : minor), static_cast<int>(xMajor ? minor : major), colour);
    }
  }
}

}  // namespace

int DrawOverlayIntoPicture(ByteCursor& in, MemoryPicture& picture, RenderState& state, PreviewError* error) {
  qex::PreviewHeader header;
  if (!ReadPreviewHeader(in, &header)) return PreviewFailure(error, in.offset(), "header cut short");
  const PictureArea area = PlacePicture(header.width, header.height, picture.width(), picture.height());
  SetOverlayScale(header, area.w, state);
  PolylineRecord record;
  std::vector<VectorPoint> points;
  while (in.remaining() > 0) {
    const uint64_t start = in.offset();
    if (ReadPolylineRecord(in, &record, error) != 0) return -1;
    if (!MapPolylinePoints(record, state, area, &points))
      return PreviewFailure(error, start, "no memory for the points");
    const uint32_t colour = PenPalette[record.pen];
    for (size_t i = 1; i < points.size(); ++i) {
      DrawSegment(picture, area, points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, colour);
    }
  }
  return 0;
}
