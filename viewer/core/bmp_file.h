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

// Results of ParseBmpFile and LoadBmpFile besides 0 (convert it) and -1 (refused).
constexpr int kBmpNotConvertible = 1;

// Checks a whole file held in `data`. A header size of 12 is a core header, 40 or more an
// info header. Every part that the conversion may read (header, masks, colour table,
// profile, pixel data or compressed stream) must lie inside the file, or the file is refused
// with -1. kBmpNotConvertible, and `image` left alone, for what is never handed to the
// conversion: other header sizes, JPEG, PNG or unknown compressions, a width below 1, a
// height of 0 or -2^31, and RLE pictures of more than 8192 x 8192 pixels. Otherwise 0, with
// every field of `image` but fileData set (pointers into `data`); whether the picture
// converts is the platform's affair.
int ParseBmpFile(const uint8_t* data, size_t size, BmpImage* image);

// Frees fileData; accepts a null record or one without data.
void FreeBmpFile(BmpImage* image);
