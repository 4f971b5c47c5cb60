// A vector file drawn as an overlay into a picture.
#include "viewer/core/overlay_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MemoryPicture picture;
  if (!picture.Create(97, 61)) return 0;
  RenderState state;
  ByteCursor in(data, size);
  DrawOverlayIntoPicture(in, picture, state);
  return 0;
}
