// Checks a BMP file held in memory before its header and pixels go to the DIB conversion.
#include "viewer/core/bmp_file.h"

#include <climits>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kV5HeaderSize = 124;

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kJpeg = 4, kPng = 5 };

constexpr uint32_t kProfileLinked = 0x4C494E4B;    // 'LINK'
constexpr uint32_t kProfileEmbedded = 0x4D424544;  // 'MBED'

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

bool KnownHeaderSize(uint32_t size) {
  return size == kCoreHeaderSize || size == kInfoHeaderSize || size == 52 || size == 56 || size == 108 ||
         size == kV5HeaderSize;
}

bool FormatAllowed(uint32_t bits, uint32_t compression) {
  switch (compression) {
    case kRgb:
      return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case kRle8:
      return bits == 8;
    case kRle4:
      return bits == 4;
    case kBitfields:
      return bits == 16 || bits == 32;
    default:
      return false;
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
    if (code == 1) return true;            // end of bitmap
    size_t bytes = 2;                      // delta
    if (code > 2) {                        // absolute run, padded to a 16-bit boundary
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

int NotConvertible(BmpFault reason, BmpFault* fault) {
  if (fault) *fault = reason;
  return kBmpNotConvertible;
}

}  // namespace

int ParseBmpFile(const uint8_t* data, size_t size, BmpImage* image, BmpFault* fault) {
  if (fault) *fault = BmpFault::kNone;
  if (!data || size < kFileHeaderSize + 4) return Refuse(BmpFault::kTooShort, fault);
  if (U16(data) != 0x4D42) return Refuse(BmpFault::kSignature, fault);
  if (U32(data + 2) != size) return Refuse(BmpFault::kFileSize, fault);
  const uint32_t offBits = U32(data + 10);
  const uint32_t headerSize = U32(data + kFileHeaderSize);
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
    width = U16(header + 4);
    height = U16(header + 6);
    bits = U16(header + 10);
    if (bits <= 8) tableBytes = 3u << bits;
  } else {
    width = static_cast<int32_t>(U32(header + 4));
    const int32_t storedHeight = static_cast<int32_t>(U32(header + 8));
    topDown = storedHeight < 0;
    height = storedHeight < 0 ? -static_cast<int64_t>(storedHeight) : storedHeight;
    bits = U16(header + 14);
    compression = U32(header + 16);
    colorsUsed = U32(header + 32);
    uint64_t entries = colorsUsed;
    if (entries == 0 && bits >= 1 && bits <= 8) entries = uint64_t{1} << bits;
    tableBytes = entries * 4;
    if (compression == kBitfields && headerSize == kInfoHeaderSize) tableBytes += 12;
  }
  if (tableBytes > size - kFileHeaderSize - headerSize) return Refuse(BmpFault::kColourTable, fault);
  if (headerSize == kV5HeaderSize) {
    const uint32_t space = U32(header + 56);
    if (space == kProfileLinked || space == kProfileEmbedded) {
      const uint64_t end = uint64_t{U32(header + 112)} + U32(header + 116);
      if (end > size - kFileHeaderSize) return Refuse(BmpFault::kColourTable, fault);
    }
  }

  if (offBits > size) return Refuse(BmpFault::kPixelData, fault);
  const size_t available = size - offBits;
  const uint32_t imageSize = headerSize == kCoreHeaderSize ? 0 : U32(header + 20);
  if (compression == kRle8 || compression == kRle4) {
    if (imageSize == 0 || imageSize > available ||
        !RleStreamInside(data + offBits, imageSize, compression == kRle4)) {
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
  // The converted picture, 32 bits a pixel at most, must stay addressable in an int.
  if (width <= 0 || height <= 0 || height > INT32_MAX ||
      static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 4 > INT32_MAX) {
    return NotConvertible(BmpFault::kDimensions, fault);
  }

  image->width = static_cast<int32_t>(width);
  image->height = static_cast<int32_t>(height);
  image->header = header;
  image->pixels = data + offBits;
  return 0;
}

void FreeBmpFile(BmpImage* image) {
  if (!image || !image->fileData) return;
  delete[] image->fileData;
  image->fileData = nullptr;
  image->pixels = nullptr;
  image->header = nullptr;
}
