// BMP file layout shared by the native tools and the Windows snapshot writer: row stride,
// the 14-byte file header, the 40-byte info header, the fixed colour table entries, and the
// parts of a 32-bit snapshot file of a memory picture.
#pragma once
#include <cstddef>
#include <cstdint>

#include "viewer/core/memory_picture.h"

constexpr size_t kBmpFileHeaderSize = 14;
constexpr size_t kBmpInfoHeaderSize = 40;
constexpr uint32_t kBiRgb = 0;

// Row length in bytes rounded up to a multiple of 4.
uint32_t DibStride(int32_t width, uint16_t bitsPerPixel);

struct BmpInfoHeader {
  uint32_t biSize = kBmpInfoHeaderSize;
  int32_t biWidth = 0;
  int32_t biHeight = 0;
  uint16_t biPlanes = 1;
  uint16_t biBitCount = 0;
  uint32_t biCompression = kBiRgb;
  uint32_t biSizeImage = 0;
  int32_t biXPelsPerMeter = 0;
  int32_t biYPelsPerMeter = 0;
  uint32_t biClrUsed = 0;
  uint32_t biClrImportant = 0;
};

void WriteBmpInfoHeader(const BmpInfoHeader& header, uint8_t out[kBmpInfoHeaderSize]);

// The file header: "BM", file size 14 + packedSize, pixel data at 14 + packedSize - imageSize.
void WriteBmpFileHeader(uint32_t packedSize, uint32_t imageSize, uint8_t out[kBmpFileHeaderSize]);

// Writes the fixed entries (black, the pen colours, white) over a colour table of `entries`
// 4-byte RGBQUADs when it has exactly 2, 16 or 256 entries; other tables are left alone.
void ApplyFixedColorEntries(uint8_t* table, uint32_t entries);

// The header a 32-bit BI_RGB section of the picture reports: positive height and
// biSizeImage = stride x height.
BmpInfoHeader SnapshotInfoHeader(const MemoryPicture& picture);

// A 32-bit snapshot file is these headers (file header, info header), then the picture's
// own bytes (MemoryPicture::Bytes and ByteCount), which are the device bitmap's bytes
// top row first: it is written without building a copy.
constexpr size_t kSnapshotHeadersSize = kBmpFileHeaderSize + kBmpInfoHeaderSize;
void WriteSnapshotHeaders(const MemoryPicture& picture, uint8_t out[kSnapshotHeadersSize]);
