// The record readers of a preview file, shared by the reader's record loop.
#pragma once
#include <string>

#include "viewer/core/byte_cursor.h"
#include "viewer/core/preview_file.h"

struct PreviewContext {
  ByteCursor& cursor;
  RenderState& state;
  RenderObserver& observer;
  PreviewError* error;
};

// Records the first failure; always returns -1.
int PreviewFailure(PreviewContext& context, size_t offset, const std::string& reason);

// trunc(v x scale), the product formed in double precision.
inline int ScaleToPixel(int v, float scale) {
  return static_cast<int>(static_cast<double>(v) * static_cast<double>(scale));
}

// Each reads one record's payload (the tag already consumed) and draws it; 0 or -1.
int DrawFilledRect(PreviewContext& context);
int DrawLineRuns(PreviewContext& context);
int DrawRasterBand(PreviewContext& context);
