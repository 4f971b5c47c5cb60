// The record readers of a preview file, shared by the reader's record loop and the tools that
// list or check a file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "viewer/core/byte_cursor.h"
#include "viewer/core/file_error.h"
#include "viewer/core/preview_header_reader.h"
#include "viewer/core/render_observer.h"
#include "viewer/core/render_state.h"

class RasterColumns;

struct PreviewContext {
  ByteCursor& cursor;
  RenderState& state;
  RenderObserver& observer;
  PreviewError* error;
  RasterColumns& columns;             // reused by bands of the same geometry
  std::vector<uint8_t>& columnMarks;  // the raster bands' row of marks
};

inline int PreviewFailure(PreviewContext& context, uint64_t offset, const std::string& reason) {
  return PreviewFailure(context.error, offset, reason);
}

// Record tags.
constexpr int16_t kTagRasterBand = -1;
constexpr int16_t kTagFilledRect = -2;
constexpr int16_t kTagLineRuns = -4;
constexpr int16_t kTagEmptyRecord = -6;

// Decodes a preview file's header (ReadPreviewHeader) and checks it: 0, or -1 with the
// failure recorded in `error`.
int ReadPreviewFileHeader(ByteCursor& in, PreviewError* error, qex::PreviewHeader* header);

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

// The head of a raster band; the file holds its rowCount x bytesPerRow bytes of rows (checked),
// read one by one.
struct RasterBandFields {
  uint16_t originY, originX, firstRow, bandWidth, rowCount, bytesPerRow, pen;
  uint32_t rasterOp;
};
int ReadRasterBand(ByteCursor& in, PreviewError* error, RasterBandFields* band);
// The next row of `band`; `row` points at its bytes inside the cursor, valid until its next
// read. One row at a time: a band of 4 GiB needs no more memory than a small one.
int ReadRasterRow(ByteCursor& in, PreviewError* error, const RasterBandFields& band, const uint8_t** row);

// A record's tag and head as stored; which head holds depends on the tag.
struct PreviewRecordHead {
  uint64_t offset;  // of the tag
  int16_t tag;
  FilledRectFields rect;  // kTagFilledRect
  LineRunsFields runs;    // kTagLineRuns: runs.count - 1 segments follow
  RasterBandFields band;  // kTagRasterBand: band.rowCount rows follow
};
// Reads the next record's tag and head: 1 when there is a record, 0 at the end of the file
// (a stray last byte is not a tag), -1 for an unknown tag or a refused head (error filled).
int ReadRecordHead(ByteCursor& in, PreviewError* error, PreviewRecordHead* head);

// Each draws a record whose head was read, reading what follows it (line runs and bands:
// false when what follows cannot be read or held).
void DrawFilledRect(PreviewContext& context, const FilledRectFields& rect);
bool DrawLineRuns(PreviewContext& context, const LineRunsFields& runs);
bool DrawRasterBand(PreviewContext& context, const RasterBandFields& band);
