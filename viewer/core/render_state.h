// The viewer's one drawing state for the process. The platform's handles (monitor window,
// device contexts, bitmaps) are kept by the Windows layer beside it.
#pragma once
#include <cstdint>

#include "viewer/core/memory_picture.h"

// A file coordinate as a picture pixel: trunc(v x scale), the product formed in double
// precision from the single-precision scale factor.
inline int ScaleToPixel(int v, float scale) {
  return static_cast<int>(static_cast<double>(v) * static_cast<double>(scale));
}

struct RenderState {
  // Monitor placement, set by LayoutMonitor.
  int imageLeft = 0;
  int imageTop = 0;
  int imageWidth = 0;
  int imageHeight = 0;
  float monitorScale = 0.0f;

  // The picture.
  uint16_t pictureWidth = 0;
  uint16_t pictureHeight = 0;
  MemoryPicture picture;
  float zoom = 0.0f;
  float scaleX = 0.0f;
  float scaleY = 0.0f;
  int mirrored = 0;

  // Size of the header read last (preview or vector file).
  uint16_t headerWidth = 0;
  uint16_t headerHeight = 0;

  // Picture row last copied to the monitor; lives for the process.
  int lastCopiedRow = -1;

  // What the "-f" command clears before it renders: the placement and picture blocks, that
  // is everything but the header's size and lastCopiedRow.
  void ClearPlacementAndPicture();
};
