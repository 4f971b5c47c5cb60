// Reads a preview file and draws it into the picture of a RenderState.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "viewer/core/render_observer.h"
#include "viewer/core/render_state.h"

// Where and why a preview failed; offset is the byte offset of the failing item.
struct PreviewError {
  size_t offset = 0;
  std::string reason;
};

// Renders the preview held in `data`; 0 on success, -1 on failure (error filled when given).
// On return, success or failure, the picture may exist in `state`.
int RenderPreview(const uint8_t* data, size_t size, RenderState& state, RenderObserver& observer,
                  PreviewError* error = nullptr);

// Reads the file whole and renders it; -1 when it cannot be read.
int ReadPreviewFile(const char* fileName, RenderState& state, RenderObserver& observer,
                    PreviewError* error = nullptr);
