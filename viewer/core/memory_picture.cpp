// The off-screen picture as plain memory.
#include "viewer/core/memory_picture.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

void* AllocatePictureMemory(size_t bytes) {
#ifdef __linux__
  constexpr size_t kHugePage = size_t{2} << 20;
  if (bytes >= kHugePage && bytes <= SIZE_MAX - kHugePage) {
    const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* memory = std::aligned_alloc(kHugePage, rounded);
    if (!memory) throw std::bad_alloc();
    // Only a hint: without huge pages the memory is used page by page as usual.
    madvise(memory, rounded, MADV_HUGEPAGE);
    return memory;
  }
#endif
  void* memory = std::malloc(bytes);
  if (!memory) throw std::bad_alloc();
  return memory;
}

void FreePictureMemory(void* memory) { std::free(memory); }

bool MemoryPicture::Create(int width, int height) {
  Release();
  if (width <= 0 || height <= 0) return false;
  try {
    pixels_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), kWhitenessPixel);
  } catch (const std::bad_alloc&) {
    return false;
  }
  width_ = width;
  height_ = height;
  return true;
}

void MemoryPicture::Release() {
  width_ = height_ = 0;
  decltype(pixels_)().swap(pixels_);
}

void MemoryPicture::FillSpan(long long x0, long long x1, long long y0, long long y1, uint32_t pixel) {
  x0 = std::max(x0, 0LL);
  y0 = std::max(y0, 0LL);
  x1 = std::min(x1, static_cast<long long>(width_));
  y1 = std::min(y1, static_cast<long long>(height_));
  for (long long y = y0; y < y1; ++y) {
    uint32_t* row = pixels_.data() + static_cast<size_t>(y) * width_;
    for (long long x = x0; x < x1; ++x) row[x] = pixel;
  }
}

void MemoryPicture::FillRect(int left, int top, int right, int bottom, uint32_t colorref) {
  // GDI fills an inverted edge pair too: right + 1 .. left (and bottom + 1 .. top).
  long long x0 = left, x1 = right, y0 = top, y1 = bottom;
  if (x1 < x0) {
    x0 = static_cast<long long>(right) + 1;
    x1 = static_cast<long long>(left) + 1;
  }
  if (y1 < y0) {
    y0 = static_cast<long long>(bottom) + 1;
    y1 = static_cast<long long>(top) + 1;
  }
  FillSpan(x0, x1, y0, y1, DevicePixel(colorref));
}

void MemoryPicture::HorizontalLine(int x1, int x2, int y, uint32_t colorref) {
  // The start pixel is drawn, the end pixel is not: leftwards that is x2 + 1 .. x1.
  if (x1 <= x2) {
    FillSpan(x1, x2, y, static_cast<long long>(y) + 1, DevicePixel(colorref));
  } else {
    FillSpan(static_cast<long long>(x2) + 1, static_cast<long long>(x1) + 1, y, static_cast<long long>(y) + 1,
             DevicePixel(colorref));
  }
}
