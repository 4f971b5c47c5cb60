// The 6-byte header that begins both a preview file and its overlay, little-endian: width
// u16, height u16, the x pitch as a signed byte (negative: the job is mirrored), the y pitch
// u8; pitches in tenths of a picture pixel per file unit.
#pragma once
#include <cstddef>
#include <cstdint>

#include "viewer/core/byte_cursor.h"

constexpr size_t kPreviewHeaderSize = 6;

struct PreviewHeader {
  uint16_t width = 0;
  uint16_t height = 0;
  uint8_t xPitch = 0;  // the sign taken off by two's complement negation: 0xFB gives 5, 0x80 128
  uint8_t yPitch = 0;
  int mirrored = 0;  // the stored x pitch byte was negative
};

// Decodes the header field by field; false when the bytes end first (the fields read before
// that are kept in `header`).
bool ReadPreviewHeader(ByteCursor& in, PreviewHeader* header);
