// BMP file layout shared by the native tools and the Windows snapshot writer.
#include "viewer/core/bmp_writer.h"

#include "viewer/core/byte_cursor.h"

uint32_t DibStride(int32_t width, uint16_t bitsPerPixel) {
  const uint32_t bits = static_cast<uint32_t>(width) * bitsPerPixel + 31u;
  return (bits >> 3) & ~3u;
}

void WriteBmpInfoHeader(const BmpInfoHeader& header, uint8_t out[kBmpInfoHeaderSize]) {
  PutU32(out + 0, header.biSize);
  PutU32(out + 4, static_cast<uint32_t>(header.biWidth));
  PutU32(out + 8, static_cast<uint32_t>(header.biHeight));
  PutU16(out + 12, header.biPlanes);
  PutU16(out + 14, header.biBitCount);
  PutU32(out + 16, header.biCompression);
  PutU32(out + 20, header.biSizeImage);
  PutU32(out + 24, static_cast<uint32_t>(header.biXPelsPerMeter));
  PutU32(out + 28, static_cast<uint32_t>(header.biYPelsPerMeter));
  PutU32(out + 32, header.biClrUsed);
  PutU32(out + 36, header.biClrImportant);
}

void WriteBmpFileHeader(uint32_t packedSize, uint32_t imageSize, uint8_t out[kBmpFileHeaderSize]) {
  const uint32_t fileSize = static_cast<uint32_t>(kBmpFileHeaderSize) + packedSize;
  PutU16(out + 0, 0x4D42);
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

BmpInfoHeader SnapshotInfoHeader(const MemoryPicture& picture) {
  BmpInfoHeader header;
  header.biWidth = picture.width();
  header.biHeight = picture.height();
  header.biBitCount = 32;
  header.biSizeImage = DibStride(picture.width(), 32) * static_cast<uint32_t>(picture.height());
  return header;
}

void WriteSnapshotHeaders(const MemoryPicture& picture, uint8_t out[kSnapshotHeadersSize]) {
  const BmpInfoHeader info = SnapshotInfoHeader(picture);
  WriteBmpFileHeader(static_cast<uint32_t>(kBmpInfoHeaderSize) + info.biSizeImage, info.biSizeImage, out);
  WriteBmpInfoHeader(info, out + kBmpFileHeaderSize);
}
