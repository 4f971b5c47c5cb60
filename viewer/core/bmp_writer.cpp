// BMP file layout shared by the native tools and the Windows snapshot writer.
#include "viewer/core/bmp_writer.h"

#include <algorithm>

#include "viewer/core/byte_cursor.h"

uint32_t DibStride(int32_t width, uint16_t bitsPerPixel) {
  const uint32_t bits = static_cast<uint32_t>(width) * bitsPerPixel + 31u;
  return (bits >> 3) & ~3u;
}

void WriteBmpFileHeader(uint32_t packedSize, uint32_t imageSize, uint8_t out[kBmpFileHeaderSize]) {
  const uint32_t fileSize = static_cast<uint32_t>(kBmpFileHeaderSize) + packedSize;
  PutU16(out, 0x4D42);
  PutU32(out + 2, fileSize);
  PutU16(out + 6, 0);
  PutU16(out + 8, 0);
  PutU32(out + 10, fileSize - imageSize);
}

namespace {

struct FixedEntry {
  uint32_t index;
  uint32_t rgb;  // 0x00RRGGBB, colour table byte order
};

const FixedEntry kFixed2[] = {{0, 0x000000}, {1, 0xFFFFFF}};
const FixedEntry kFixed16[] = {{0, 0x000000},  {1, 0xFF6600},  {9, 0xFF0000},  {10, 0x00FF00}, {11, 0xFFFF00},
                               {12, 0x0000FF}, {13, 0xFF00FF}, {14, 0x00FFFF}, {15, 0xFFFFFF}};
const FixedEntry kFixed256[] = {{0, 0x000000},   {249, 0xFF0000}, {250, 0x00FF00}, {251, 0xFFFF00},
                                {252, 0x0000FF}, {253, 0xFF00FF}, {254, 0x00FFFF}, {255, 0xFFFFFF}};

template <size_t N>
void Apply(uint8_t* table, const FixedEntry (&entries)[N]) {
  for (const FixedEntry& entry : entries) PutU32(table + 4 * entry.index, entry.rgb);
}

}  // namespace

void ApplyFixedColorEntries(uint8_t* table, uint32_t entries) {
  if (entries == 2) Apply(table, kFixed2);
  if (entries == 16) Apply(table, kFixed16);
  if (entries == 256) Apply(table, kFixed256);
}

void WriteSnapshotHeaders(const MemoryPicture& picture, uint8_t out[kSnapshotHeadersSize]) {
  const uint32_t imageSize = DibStride(picture.width(), 32) * static_cast<uint32_t>(picture.height());
  WriteBmpFileHeader(static_cast<uint32_t>(kBmpInfoHeaderSize) + imageSize, imageSize, out);
  // No compression, resolution or colour counts: those fields stay 0.
  uint8_t* info = out + kBmpFileHeaderSize;
  std::fill(info, info + kBmpInfoHeaderSize, uint8_t{0});
  PutU32(info, static_cast<uint32_t>(kBmpInfoHeaderSize));
  PutU32(info + 4, static_cast<uint32_t>(picture.width()));
  PutU32(info + 8, static_cast<uint32_t>(picture.height()));
  PutU16(info + 12, 1);
  PutU16(info + 14, 32);
  PutU32(info + 20, imageSize);
}
