// Reads a preview file and draws it into the picture of a RenderState.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "viewer/core/byte_cursor.h"
#include "viewer/core/file_error.h"
#include "viewer/core/render_observer.h"
#include "viewer/core/render_state.h"

// How many records of each kind were read (the failing one not included).
struct RecordCounts {
  unsigned rasterBands = 0;
  unsigned filledRects = 0;
  unsigned lineRuns = 0;
  unsigned emptyRecords = 0;
};

constexpr int kMaxPictureSide = 1024;

// The picture size for a header of width x height (both above 0): the header's size, or
// shrunk so that the longer side is 1024 when either side exceeds 1024.
struct PictureSize {
  int width;
  int height;
};
PictureSize FitPreviewPicture(int width, int height);

// Renders the preview read from `in`; 0 on success, -1 on failure (error filled when given).
// On return, success or failure, the picture may exist in `state`.
int RenderPreview(ByteCursor& in, RenderState& state, RenderObserver& observer, PreviewError* error = nullptr,
                  RecordCounts* counts = nullptr);
// The same for a preview held in `data`.
int RenderPreview(const uint8_t* data, size_t size, RenderState& state, RenderObserver& observer,
                  PreviewError* error = nullptr, RecordCounts* counts = nullptr);

// Reads the file piece by piece as its records need it and renders it; -1 when it cannot be
// read.
int ReadPreviewFile(const char* fileName, RenderState& state, RenderObserver& observer, PreviewError* error = nullptr,
                    RecordCounts* counts = nullptr);
