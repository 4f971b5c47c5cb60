// The off-screen picture as plain memory, drawn with the exact semantics of the GDI calls
// the preview records use.
//
// Layout: `width` x `height` pixels, rows top to bottom, no padding (stride = width * 4
// bytes). Each pixel is the 32-bit value a 32-bit device bitmap stores: bytes B, G, R, X
// in memory, so the little-endian u32 is 0xXXRRGGBB. A fresh picture is white as
// WHITENESS leaves it (0xFFFFFFFF, all bits set); the drawing operations store the colour
// with X = 0.
#pragma once
#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the pixel words must be stored B, G, R, X");

constexpr uint32_t kWhitenessPixel = 0xFFFFFFFFu;

// Memory for pictures. On Linux a block of 2 MB or more starts on a 2 MB boundary and is
// offered transparent huge pages, so that a fresh picture costs one page fault instead of
// hundreds (each a few microseconds on virtual machines). Throws std::bad_alloc.
void* AllocatePictureMemory(size_t bytes);
void FreePictureMemory(void* memory);

template <typename T>
struct PictureAllocator {
  using value_type = T;
  PictureAllocator() = default;
  template <typename U>
  explicit PictureAllocator(const PictureAllocator<U>&) {}
  T* allocate(size_t count) {
    if (count > SIZE_MAX / sizeof(T)) throw std::bad_alloc();
    return static_cast<T*>(AllocatePictureMemory(count * sizeof(T)));
  }
  void deallocate(T* memory, size_t) { FreePictureMemory(memory); }
  bool operator==(const PictureAllocator&) const { return true; }
  bool operator!=(const PictureAllocator&) const { return false; }
};

// The device pixel of a COLORREF (0x00BBGGRR).
constexpr uint32_t DevicePixel(uint32_t colorref) {
  return ((colorref & 0xFFu) << 16) | (colorref & 0xFF00u) | ((colorref >> 16) & 0xFFu);
}

class MemoryPicture {
 public:
  // Allocates a white picture; false when the size is not positive or memory runs out.
  bool Create(int width, int height);
  void Release();

  int width() const { return width_; }
  int height() const { return height_; }
  const uint32_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
  uint32_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
  uint32_t Pixel(int x, int y) const { return Row(y)[x]; }
  // All pixels as the device bitmap's bytes, top row first.
  const uint8_t* Bytes() const { return reinterpret_cast<const uint8_t*>(pixels_.data()); }
  size_t ByteCount() const { return pixels_.size() * sizeof(uint32_t); }

  // SetPixel: a pixel outside the picture is not set.
  void SetPixel(int x, int y, uint32_t colorref) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<size_t>(y) * width_ + x] = DevicePixel(colorref);
  }
  // FillRect with a solid brush: left and top included, right and bottom excluded; an
  // inverted rectangle is filled as GDI fills it; clipped to the picture.
  void FillRect(int left, int top, int right, int bottom, uint32_t colorref);
  // MoveToEx(x1, y) + LineTo(x2, y) with a 1-pixel pen: start pixel set, end pixel not,
  // either direction; clipped to the picture.
  void HorizontalLine(int x1, int x2, int y, uint32_t colorref);

 private:
  // Fills columns x0 .. x1 - 1 of rows y0 .. y1 - 1, clipped to the picture.
  void FillSpan(long long x0, long long x1, long long y0, long long y1, uint32_t pixel);

  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t, PictureAllocator<uint32_t>> pixels_;
};
