// The filled rectangle and line run records of a preview file.
#include "viewer/core/preview_records.h"

#include "viewer/core/pen_palette.h"

int PreviewFailure(PreviewError* error, uint64_t offset, const std::string& reason) {
  if (error) {
    error->offset = offset;
    error->reason = reason;
  }
  return -1;
}

int ReadPreviewFileHeader(ByteCursor& in, PreviewError* error, qex::PreviewHeader* header) {
  if (!ReadPreviewHeader(in, header)) return PreviewFailure(error, in.offset(), "header cut short");
  if (header->width == 0 || header->height == 0) {
    return PreviewFailure(error, header->width == 0 ? 0 : 2, "header width or height is 0");
  }
  return 0;
}

int BadPen(PreviewError* error, uint64_t offset, unsigned pen) {
  return PreviewFailure(error, offset, "pen " + std::to_string(pen) + " is not below 8");
}

int ReadFilledRect(ByteCursor& in, PreviewError* error, FilledRectFields* r) {
  const uint64_t start = in.offset();
  if (!in.ReadU16(&r->originY) || !in.ReadU16(&r->left) || !in.ReadU16(&r->top) || !in.ReadU16(&r->right) ||
      !in.ReadU16(&r->bottom) || !in.ReadU16(&r->pen)) {
    return PreviewFailure(error, start, "filled rectangle cut short");
  }
  if (r->pen >= kPenCount) return BadPen(error, start + 10, r->pen);
  return 0;
}

int ReadLineRunsHead(ByteCursor& in, PreviewError* error, LineRunsFields* runs) {
  const uint64_t start = in.offset();
  if (!in.ReadI16(&runs->count) || !in.ReadU16(&runs->pen) || !in.ReadI16(&runs->rowX) || !in.ReadI16(&runs->rowY)) {
    return PreviewFailure(error, start, "line runs header cut short");
  }
  if (runs->pen >= kPenCount) return BadPen(error, start + 2, runs->pen);
  return 0;
}

int ReadLineSegment(ByteCursor& in, PreviewError* error, const LineRunsFields& runs, int index,
                    LineSegmentFields* segment) {
  const uint64_t start = in.offset();
  if (!in.ReadI16(&segment->xStart) || !in.ReadI16(&segment->xEnd)) {
    return PreviewFailure(
        error, start, "line segment " + std::to_string(index) + " of " + std::to_string(runs.count - 1) + " cut short");
  }
  return 0;
}

int ReadRecordHead(ByteCursor& in, PreviewError* error, PreviewRecordHead* head) {
  // A stray last byte is not a tag: the file ends normally.
  if (in.remaining() < 2) return 0;
  head->offset = in.offset();
  if (!in.ReadI16(&head->tag)) return PreviewFailure(error, head->offset, "cannot read the file");
  int result;
  switch (head->tag) {
    case kTagRasterBand: result = ReadRasterBand(in, error, &head->band); break;
    case kTagFilledRect: result = ReadFilledRect(in, error, &head->rect); break;
    case kTagLineRuns: result = ReadLineRunsHead(in, error, &head->runs); break;
    case kTagEmptyRecord: result = 0; break;
    default: return PreviewFailure(error, head->offset, "unknown record tag " + std::to_string(head->tag));
  }
  return result == 0 ? 1 : -1;
}

void DrawFilledRect(PreviewContext& context, const FilledRectFields& r) {
  const RenderState& s = context.state;
  // The origin moves the top edge only.
  context.state.picture.FillRect(ScaleToPixel(r.left, s.scaleX), ScaleToPixel(r.originY + r.top, s.scaleY),
                                 ScaleToPixel(r.right, s.scaleX), ScaleToPixel(r.bottom, s.scaleY), PenPalette[r.pen]);
}

bool DrawLineRuns(PreviewContext& context, const LineRunsFields& runs) {
  const RenderState& s = context.state;
  const int y = ScaleToPixel(runs.rowY, s.scaleY);
  for (int i = 1; i < runs.count; ++i) {
    LineSegmentFields segment;
    if (ReadLineSegment(context.cursor, context.error, runs, i, &segment) != 0) return false;
    context.state.picture.HorizontalLine(ScaleToPixel(segment.xStart, s.scaleX), ScaleToPixel(segment.xEnd, s.scaleX),
                                         y, PenPalette[runs.pen]);
  }
  return true;
}
