// The off-screen picture as plain memory.
#include "viewer/core/memory_picture.h"

void MemoryPicture::Release() {
  width_ = height_ = 0;
  std::vector<uint32_t>().swap(pixels_);
}
