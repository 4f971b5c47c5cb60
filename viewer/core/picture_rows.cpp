// Row helpers for moving pictures between layouts.
#include "viewer/core/picture_rows.h"

#include <cstring>

#include "viewer/core/memory_picture.h"

std::vector<PixelRun> WhiteRuns(const uint32_t* row, int width) {
  std::vector<PixelRun> runs;
  int x = 0;
  while (x < width) {
    if (row[x] != kWhitenessPixel) {
      ++x;
      continue;
    }
    const int start = x;
    while (x < width && row[x] == kWhitenessPixel) ++x;
    runs.push_back({start, x - start});
  }
  return runs;
}

void CopyRows(const uint8_t* source, size_t sourceStride, uint8_t* target, size_t targetStride, size_t rowBytes,
              size_t rows) {
  for (size_t y = 0; y < rows; ++y) {
    std::memcpy(target + y * targetStride, source + y * sourceStride, rowBytes);
    std::memset(target + y * targetStride + rowBytes, 0, targetStride - rowBytes);
  }
}
