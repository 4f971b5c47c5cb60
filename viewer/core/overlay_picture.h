// Draws a VectorFile's polylines into a memory picture, as the viewer draws them into a
// window without background: the picture area placed by the file's header, points scaled
// and mirrored, 1-pixel lines (start pixel in, end pixel out) cut to the picture area.
#pragma once
#include "viewer/core/byte_cursor.h"
#include "viewer/core/file_error.h"
#include "viewer/core/memory_picture.h"
#include "viewer/core/render_state.h"

// Reads the file from `in` record by record. 0 when every record was drawn; -1 for a short
// header or an invalid or cut-short record (the records before it stay drawn; `error`, when
// given, says where and why). Sets the overlay's fields of `state`.
int DrawOverlayIntoPicture(ByteCursor& in, MemoryPicture& picture, RenderState& state, PreviewError* error = nullptr);
