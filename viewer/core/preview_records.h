// The record readers of a preview file, shared by the reader's record loop.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "viewer/core/byte_cursor.h"
#include "viewer/core/preview_file.h"

class RasterColumns;

struct PreviewContext {
  ByteCursor& cursor;
  RenderState& state;
  RenderObserver& observer;
  PreviewError* error;
  RasterColumns& columns;             // reused by bands of the same geometry
  std::vector<uint8_t>& columnMarks;  // the raster bands' row of marks
};

// Records the first failure (when `error` is given); always returns -1.
int PreviewFailure(PreviewError* error, uint64_t offset, const std::string& reason);
inline int PreviewFailure(PreviewContext& context, uint64_t offset, const std::string& reason) {
  return PreviewFailure(context.error, offset, reason);
}

// The fields of each record as stored. Each reader decodes one record's payload (the tag
// already consumed) and checks it: 0, or -1 with the failure recorded in `error`.
struct FilledRectFields {
  uint16_t originY, left, top, right, bottom, pen;
};
int ReadFilledRect(ByteCursor& in, PreviewError* error, FilledRectFields* rect);

// The head of a line runs record; its count - 1 segments follow, read one by one.
struct LineRunsFields {
  int16_t count;
  uint16_t pen;
  int16_t rowX, rowY;
};
struct LineSegmentFields {
  int16_t xStart, xEnd;
};
int ReadLineRunsHead(ByteCursor& in, PreviewError* error, LineRunsFields* runs);
// Segment `index` (1-based) of the record `runs`.
int ReadLineSegment(ByteCursor& in, PreviewError* error, const LineRunsFields& runs, int index,
                    LineSegmentFields* segment);

// `rows` points at rowCount x bytesPerRow bytes inside the cursor, valid until its next read.
struct RasterBandFields {
  uint16_t originY, originX, firstRow, bandWidth, rowCount, bytesPerRow, pen;
  uint32_t rasterOp;
  const uint8_t* rows;
};
int ReadRasterBand(ByteCursor& in, PreviewError* error, RasterBandFields* band);

// Each reads one record's payload (the tag already consumed) and draws it; 0 or -1.
int DrawFilledRect(PreviewContext& context);
int DrawLineRuns(PreviewContext& context);
int DrawRasterBand(PreviewContext& context);
