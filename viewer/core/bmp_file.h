// A BMP file held whole in memory, and the checks that make it safe to hand its header and
// pixels to the platform's DIB conversion.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

struct BmpImage {
  int32_t width = 0;                    // biWidth as stored, or bcWidth
  int32_t height = 0;                   // |biHeight|, or bcHeight
  const uint8_t* pixels = nullptr;      // fileData + bfOffBits
  const uint8_t* header = nullptr;      // fileData + 14: info or core header, masks, colour table
  std::unique_ptr<uint8_t[]> fileData;  // the whole file, owned by the record
};

// Why a file was refused or is kept from the conversion (for tests and tools).
enum class BmpFault {
  kNone,
  // Refused: nothing is painted.
  kTooShort,     // no room for the file header and the header size field
  kSignature,    // not "BM"
  kFileSize,     // bfSize differs from the size of the file
  kHeaderSize,   // the header runs past the end
  kColourTable,  // masks, colour table or colour profile run past the end
  kPixelData,    // bfOffBits or the pixel rows (or RLE or compressed stream) run past the end
  // Not convertible: the background is painted alone.
  kUnknownHeader,    // a header size the conversion does not read
  kCompressedImage,  // JPEG or PNG data
  kFormat,           // bit count and compression do not go together, or an RLE file is top-down
  kColourCount,      // more than 256 colours at 8 bits a pixel or fewer
  kDimensions,       // width <= 0, height 0, or a picture too large to convert
};

// Results of ParseBmpFile and LoadBmpFile besides 0 (convert it) and -1 (refused).
constexpr int kBmpNotConvertible = 1;

// Checks a whole file held in `data`. Every part that the header implies (header, masks,
// colour table, profile, pixel data) must lie inside the file, or the file is refused
// with -1. A file that lies inside but that the DIB conversion cannot take gives
// kBmpNotConvertible: it is never handed to the conversion, and `image` is left alone.
// Otherwise 0, with every field of `image` but fileData set (pointers into `data`).
// `fault` (when given) says why.
int ParseBmpFile(const uint8_t* data, size_t size, BmpImage* image, BmpFault* fault = nullptr);

// Frees fileData; accepts a null record or one without data.
void FreeBmpFile(BmpImage* image);
