// BMP file layout shared by the native tools and the Windows snapshot writer: row stride,
// the 14-byte file header, the 40-byte info header, the fixed colour table entries, and the
// parts of a 32-bit snapshot file of a memory picture.
#pragma once
#include <cstddef>
#include <cstdint>

#include "viewer/core/memory_picture.h"

constexpr size_t kBmpFileHeaderSize = 14;
constexpr size_t kBmpInfoHeaderSize = 40;

// Row length in bytes rounded up to a multiple of 4.
uint32_t DibStride(int32_t width, uint16_t bitsPerPixel);

// The file header: "BM", file size 14 + packedSize, pixel data at 14 + packedSize - imageSize.
void WriteBmpFileHeader(uint32_t packedSize, uint32_t imageSize, uint8_t out[kBmpFileHeaderSize]);

// Writes the fixed entries (black, the pen colours, white) over a colour table of `entries`
// 4-byte RGBQUADs when it has exactly 2, 16 or 256 entries; other tables are left alone.
void ApplyFixedColorEntries(uint8_t* table, uint32_t entries);

// A 32-bit snapshot file is these headers (file header, then the info header of a BI_RGB
// section with a positive height and biSizeImage = stride x height), then the picture's
// own bytes (MemoryPicture::Bytes and ByteCount), which are the device bitmap's bytes
// top row first: it is written without building a copy.
constexpr size_t kSnapshotHeadersSize = kBmpFileHeaderSize + kBmpInfoHeaderSize;
void WriteSnapshotHeaders(const MemoryPicture& picture, uint8_t out[kSnapshotHeadersSize]);
