// The 6-byte header of preview and overlay files.
#include "viewer/core/preview_header.h"

bool ReadPreviewHeader(ByteCursor& in, PreviewHeader* header) {
  uint8_t xPitchByte = 0;
  if (!in.ReadU16(&header->width) || !in.ReadU16(&header->height) || !in.ReadU8(&xPitchByte) ||
      !in.ReadU8(&header->yPitch)) {
    return false;
  }
  header->mirrored = xPitchByte >= 0x80 ? 1 : 0;
  header->xPitch = header->mirrored ? static_cast<uint8_t>(0x100 - xPitchByte) : xPitchByte;
  return true;
}
