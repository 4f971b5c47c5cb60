// Checks a BMP file held in memory before its header and pixels go to the DIB conversion.
#include "viewer/core/bmp_file.h"

#include "common/little_endian.h"

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kV5HeaderSize = 124;

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kJpeg = 4, kPng = 5 };

constexpr uint32_t kProfileLinked = 0x4C494E4B;    // 'LINK'
constexpr uint32_t kProfileEmbedded = 0x4D424544;  // 'MBED'

bool KnownHeaderSize(uint32_t size) {
  return size == kCoreHeaderSize || size == kInfoHeaderSize || size == 52 || size == 56 || size == 108 ||
         size == kV5HeaderSize;
}

bool FormatAllowed(uint32_t bits, uint32_t compression) {
  switch (compression) {
    case kRgb: return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case kRle8: return bits == 8;
    case kRle4: return bits == 4;
    case kBitfields: return bits == 16 || bits == 32;
    default: return false;
  }
}

// Walks an RLE stream of `size` bytes: no instruction may be cut short. Runs that reach
// past the picture are left to the conversion, which clips them.
bool RleStreamInside(const uint8_t* data, size_t size, bool fourBit) {
  size_t pos = 0;
  while (size - pos >= 2) {
    const uint8_t count = data[pos];
    const uint8_t code = data[pos + 1];
    pos += 2;
    if (count != 0 || code == 0) continue;  // encoded run or end of line
    if (code == 1) return true;             // end of bitmap
    size_t bytes = 2;                       // delta
    if (code > 2) {                         // absolute run, padded to a 16-bit boundary
      bytes = fourBit ? (code + 1u) / 2u : code;
      bytes = (bytes + 1u) & ~size_t{1};
    }
    if (size - pos < bytes) return false;
    pos += bytes;
  }
  return pos == size;
}

int Refuse(BmpFault reason, BmpFault* fault) {
  if (fault) *fault = reason;
  return -1;
}

constexpr uint64_t kMaxConvertedPixels = uint64_t{8192} * 8192;

int NotConvertible(BmpFault reason, BmpFault* fault) {
  if (fault) *fault = reason;
  return kBmpNotConvertible;
}

}  // namespace

int ParseBmpFile(const uint8_t* data, size_t size, BmpImage* image, BmpFault* fault) {
  if (fault) *fault = BmpFault::kNone;
  if (!data || size < kFileHeaderSize + 4) return Refuse(BmpFault::kTooShort, fault);
  if (GetU16(data) != 0x4D42) return Refuse(BmpFault::kSignature, fault);
  if (GetU32(data + 2) != size) return Refuse(BmpFault::kFileSize, fault);
  const uint32_t offBits = GetU32(data + 10);
  const uint32_t headerSize = GetU32(data + kFileHeaderSize);
  if (size - kFileHeaderSize < headerSize) return Refuse(BmpFault::kHeaderSize, fault);
  // What follows an unknown header cannot be located, and the conversion never sees it.
  if (!KnownHeaderSize(headerSize)) return NotConvertible(BmpFault::kUnknownHeader, fault);
  const uint8_t* header = data + kFileHeaderSize;

  int64_t width = 0;
  int64_t height = 0;
  uint32_t bits = 0;
  uint32_t compression = kRgb;
  uint32_t colorsUsed = 0;
  uint64_t tableBytes = 0;  // masks and colour table after the header
  bool topDown = false;
  if (headerSize == kCoreHeaderSize) {
    width = GetU16(header + 4);
    height = GetU16(header + 6);
    bits = GetU16(header + 10);
    if (bits <= 8) tableBytes = 3u << bits;
  } else {
    width = static_cast<int32_t>(GetU32(header + 4));
    const int32_t storedHeight = static_cast<int32_t>(GetU32(header + 8));
    topDown = storedHeight < 0;
    height = storedHeight < 0 ? -static_cast<int64_t>(storedHeight) : storedHeight;
    bits = GetU16(header + 14);
    compression = GetU32(header + 16);
    colorsUsed = GetU32(header + 32);
    uint64_t entries = colorsUsed;
    if (entries == 0 && bits >= 1 && bits <= 8) entries = uint64_t{1} << bits;
    tableBytes = entries * 4;
    if (compression == kBitfields && headerSize == kInfoHeaderSize) tableBytes += 12;
  }
  if (tableBytes > size - kFileHeaderSize - headerSize) return Refuse(BmpFault::kColourTable, fault);
  if (headerSize == kV5HeaderSize) {
    const uint32_t space = GetU32(header + 56);
    if (space == kProfileLinked || space == kProfileEmbedded) {
      const uint64_t end = uint64_t{GetU32(header + 112)} + GetU32(header + 116);
      if (end > size - kFileHeaderSize) return Refuse(BmpFault::kColourTable, fault);
    }
  }

  if (offBits > size) return Refuse(BmpFault::kPixelData, fault);
  const size_t available = size - offBits;
  const uint32_t imageSize = headerSize == kCoreHeaderSize ? 0 : GetU32(header + 20);
  if (compression == kRle8 || compression == kRle4) {
    if (imageSize == 0 || imageSize > available || !RleStreamInside(data + offBits, imageSize, compression == kRle4)) {
      return Refuse(BmpFault::kPixelData, fault);
    }
  } else if (compression == kJpeg || compression == kPng) {
    if (imageSize > available) return Refuse(BmpFault::kPixelData, fault);
  } else if (width > 0 && height > 0 && FormatAllowed(bits, compression)) {
    const uint64_t stride = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
    // Divided rather than multiplied: the product may not fit in 64 bits.
    if (stride > available / static_cast<uint64_t>(height)) return Refuse(BmpFault::kPixelData, fault);
  }

  // Everything lies inside the file; now what the conversion cannot take.
  if (compression == kJpeg || compression == kPng) return NotConvertible(BmpFault::kCompressedImage, fault);
  if (!FormatAllowed(bits, compression) || (headerSize == kCoreHeaderSize && bits > 8 && bits != 24) ||
      (topDown && (compression == kRle8 || compression == kRle4))) {
    return NotConvertible(BmpFault::kFormat, fault);
  }
  if (bits <= 8 && colorsUsed > 256) return NotConvertible(BmpFault::kColourCount, fault);
  // The converted picture takes up to 32 bits a pixel; a 32-bit program cannot count on
  // a bitmap of more than kMaxConvertedPixels, so larger ones never reach the conversion.
  if (width <= 0 || height <= 0 || static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > kMaxConvertedPixels) {
    return NotConvertible(BmpFault::kDimensions, fault);
  }

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
