// Reads the PreviewHeader that begins preview and overlay files.
#pragma once
#include "common/job_file/preview_header.h"
#include "viewer/core/byte_cursor.h"

// Decodes the header field by field; false when the bytes end first. Then the width and
// height read so far are kept in `header`, its pitches are left as they were.
bool ReadPreviewHeader(ByteCursor& in, qex::PreviewHeader* header);
