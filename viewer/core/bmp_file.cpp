// Checks a BMP file held in memory before its header and pixels go to the DIB conversion.
#include "viewer/core/bmp_file.h"

#include <cstdlib>

#include "common/little_endian.h"

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kV4HeaderSize = 108;
constexpr uint32_t kV5HeaderSize = 124;

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3 };

constexpr uint32_t kProfileLinked = 0x4C494E4B;    // 'LINK'
constexpr uint32_t kProfileEmbedded = 0x4D424544;  // 'MBED'

// A few bytes of RLE data may claim a picture of any size, whose bitmap the painter would
// have to make.
constexpr uint64_t kMaxRlePixels = uint64_t{8192} * 8192;

// Walks an RLE stream through the `size` bytes left in the file until its end-of-bitmap
// mark or, when `declared` is not 0, until that many bytes are used: the conversion reads
// no further. False when an instruction reaches past the end of the file. Without a declared
// size only the end mark ends the stream, so one without it inside the file runs past it.
bool RleStreamInside(const uint8_t* data, size_t size, size_t declared, bool fourBit) {
  size_t pos = 0;
  while (declared == 0 || pos < declared) {
    if (size - pos < 2) return false;
    const uint8_t count = data[pos];
    const uint8_t code = data[pos + 1];
    pos += 2;
    if (count != 0 || code == 0) continue;  // encoded run or end of line
    if (code == 1) return true;             // end of bitmap
    // A delta (code 2) takes two bytes, an absolute run its pixels padded to a 16-bit
    // boundary: the one rule gives both.
    const size_t bytes = ((fourBit ? (code + 1u) / 2u : code) + 1u) & ~size_t{1};
    if (size - pos < bytes) return false;
    pos += bytes;
  }
  return true;
}

}  // namespace

int ParseBmpFile(const uint8_t* data, size_t size, BmpImage* image) {
  if (!data || size < kFileHeaderSize + 4) return -1;
  if (GetU16(data) != 0x4D42 || GetU32(data + 2) != size) return -1;
  const uint32_t offBits = GetU32(data + 10);
  const uint32_t headerSize = GetU32(data + kFileHeaderSize);
  if (size - kFileHeaderSize < headerSize) return -1;
  if (headerSize != kCoreHeaderSize && headerSize < kInfoHeaderSize) return kBmpNotConvertible;
  const uint8_t* header = data + kFileHeaderSize;

  const bool core = headerSize == kCoreHeaderSize;
  const int64_t width = core ? GetU16(header + 4) : static_cast<int32_t>(GetU32(header + 4));
  const int64_t storedHeight = core ? GetU16(header + 6) : static_cast<int32_t>(GetU32(header + 8));
  const int64_t height = std::abs(storedHeight);
  const uint32_t bits = GetU16(header + (core ? 10 : 14));
  const uint32_t compression = core ? kRgb : GetU32(header + 16);
  uint64_t entries = core ? 0 : GetU32(header + 32);
  if (entries == 0 && bits <= 8) entries = uint64_t{1} << bits;
  uint64_t tableBytes = entries * (core ? 3 : 4);  // colour table and masks after the header
  // The masks lie inside the headers that have fields for them; for any other size the
  // conversion may look for them after the header.
  if (compression == kBitfields && headerSize != kV4HeaderSize && headerSize != kV5HeaderSize) tableBytes += 12;
  if (tableBytes > size - kFileHeaderSize - headerSize) return -1;
  if (headerSize >= kV5HeaderSize) {
    const uint32_t space = GetU32(header + 56);
    if (space == kProfileLinked || space == kProfileEmbedded) {
      const uint64_t end = uint64_t{GetU32(header + 112)} + GetU32(header + 116);
      if (end > size - kFileHeaderSize) return -1;
    }
  }

  if (offBits > size) return -1;
  const size_t available = size - offBits;
  if (compression == kRgb || compression == kBitfields) {
    if (width > 0 && height != 0) {
      const uint64_t stride = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
      // Divided rather than multiplied: the product may not fit in 64 bits.
      if (stride > available / static_cast<uint64_t>(height)) return -1;
    }
  } else {
    const uint32_t imageSize = GetU32(header + 20);  // of RLE, JPEG, PNG or any other compressed data
    if (imageSize > available) return -1;
    if (compression == kRle8 || compression == kRle4) {
      if (!RleStreamInside(data + offBits, available, imageSize, compression == kRle4)) return -1;
      if (static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > kMaxRlePixels) return kBmpNotConvertible;
    }
  }

  // Everything lies inside the file; what follows is never handed to the conversion.
  if (compression > kBitfields) return kBmpNotConvertible;
  if (width <= 0 || height == 0 || static_cast<int32_t>(height) != height) return kBmpNotConvertible;

  image->width = static_cast<int32_t>(width);
  image->height = static_cast<int32_t>(height);
  image->header = header;
  image->pixels = data + offBits;
  return 0;
}

void FreeBmpFile(BmpImage* image) {
  if (!image) return;
  image->fileData.reset();
  image->pixels = nullptr;
  image->header = nullptr;
}
