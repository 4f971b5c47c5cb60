// The 6-byte header of preview and overlay files.
#include "viewer/core/preview_header_reader.h"

#include <cstdint>

bool ReadPreviewHeader(ByteCursor& in, qex::PreviewHeader* header) {
  uint16_t size;
  if (!in.ReadU16(&size)) return false;
  header->width = size;
  if (!in.ReadU16(&size)) return false;
  header->height = size;
  uint8_t xPitchByte, yPitch;
  if (!in.ReadU8(&xPitchByte) || !in.ReadU8(&yPitch)) return false;
  header->xPitch = xPitchByte >= 0x80 ? xPitchByte - 0x100 : xPitchByte;
  header->yPitch = yPitch;
  return true;
}
