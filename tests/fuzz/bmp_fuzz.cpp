// A BMP file through the loader's checks; what they accept must point into the file.
#include <cstdlib>

#include "viewer/core/bmp_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  BmpImage image;
  if (ParseBmpFile(data, size, &image) != 0) return 0;
  if (image.width <= 0 || image.height <= 0 || image.header != data + 14 || image.pixels < data ||
      image.pixels > data + size) {
    std::abort();
  }
  return 0;
}
