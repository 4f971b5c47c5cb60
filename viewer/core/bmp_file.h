// A BMP file held whole in memory, and the checks that make it safe to hand its header and
// pixels to the platform's DIB conversion.
#pragma once
#include <cstddef>
#include <cstdint>

struct BmpImage {
  int32_t width = 0;               // biWidth as stored, or bcWidth
  int32_t height = 0;              // |biHeight|, or bcHeight
  const uint8_t* pixels = nullptr;  // fileData + bfOffBits
  const uint8_t* header = nullptr;  // fileData + 14: info or core header, masks, colour table
  uint8_t* fileData = nullptr;      // the whole file, from new[]; owned by the record
};

// Why a file was refused (for tests and tools).
enum class BmpFault {
  kNone,
  kTooShort,         // no room for the file header and the header size field
  kSignature,        // not "BM"
  kFileSize,         // bfSize differs from the size of the file
  kHeaderSize,       // unknown header size, or the header runs past the end
  kDimensions,       // width <= 0, height 0, or a size whose arithmetic would overflow
  kFormat,           // bit count and compression do not go together
  kColourTable,      // masks, colour table or colour profile run past the end
  kPixelData,        // bfOffBits or the pixel rows (or RLE stream) run past the end
};

// Checks a whole file held in `data` and, when it is sound, fills every field of `image`
// but fileData (pointers into `data`). Before any pixel is converted, the header, masks,
// colour table and pixel data that the header implies must lie inside the file.
// Returns 0 or -1; `fault` (when given) says why.
int ParseBmpFile(const uint8_t* data, size_t size, BmpImage* image, BmpFault* fault = nullptr);

// Frees fileData; accepts a null record or one without data.
void FreeBmpFile(BmpImage* image);
