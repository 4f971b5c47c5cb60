// The filled rectangle and line run records of a preview file.
#include "viewer/core/preview_records.h"

#include "viewer/core/pen_palette.h"

int PreviewFailure(PreviewContext& context, size_t offset, const std::string& reason) {
  if (context.error) {
    context.error->offset = offset;
    context.error->reason = reason;
  }
  return -1;
}

namespace {

int BadPen(PreviewContext& context, size_t offset, unsigned pen) {
  return PreviewFailure(context, offset, "pen " + std::to_string(pen) + " is not below 8");
}

}  // namespace

int DrawFilledRect(PreviewContext& context) {
  ByteCursor& in = context.cursor;
  const size_t start = in.offset();
  uint16_t originY, left, top, right, bottom, pen;
  if (!in.ReadU16(&originY) || !in.ReadU16(&left) || !in.ReadU16(&top) || !in.ReadU16(&right) ||
      !in.ReadU16(&bottom) || !in.ReadU16(&pen)) {
    return PreviewFailure(context, start, "filled rectangle cut short");
  }
  if (pen >= kPenCount) return BadPen(context, start + 10, pen);
  const RenderState& s = context.state;
  // The origin moves the top edge only.
  context.state.picture.FillRect(ScaleToPixel(left, s.scaleX), ScaleToPixel(originY + top, s.scaleY),
                                 ScaleToPixel(right, s.scaleX), ScaleToPixel(bottom, s.scaleY), PenPalette[pen]);
  return 0;
}

int DrawLineRuns(PreviewContext& context) {
  ByteCursor& in = context.cursor;
  const size_t start = in.offset();
  int16_t count, rowX, rowY;
  uint16_t pen;
  if (!in.ReadI16(&count) || !in.ReadU16(&pen) || !in.ReadI16(&rowX) || !in.ReadI16(&rowY)) {
    return PreviewFailure(context, start, "line runs header cut short");
  }
  if (pen >= kPenCount) return BadPen(context, start + 2, pen);
  const RenderState& s = context.state;
  const int y = ScaleToPixel(rowY, s.scaleY);
  for (int i = 1; i < count; ++i) {
    const size_t segment = in.offset();
    int16_t xStart, xEnd;
    if (!in.ReadI16(&xStart) || !in.ReadI16(&xEnd)) {
      return PreviewFailure(context, segment, "line segment " + std::to_string(i) + " of " +
                                                  std::to_string(count - 1) + " cut short");
    }
    context.state.picture.HorizontalLine(ScaleToPixel(xStart, s.scaleX), ScaleToPixel(xEnd, s.scaleX), y,
                                         PenPalette[pen]);
  }
  return 0;
}
