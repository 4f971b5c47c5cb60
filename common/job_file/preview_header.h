// The 6-byte header that begins both a preview file and its overlay, little-endian: width
// u16, height u16, the x pitch as a signed byte, the y pitch u8. Pitches are tenths of a
// picture pixel per file unit; a negative x pitch mirrors the picture left to right.
#pragma once
#include <cstddef>

namespace qex {

constexpr size_t kPreviewHeaderSize = 6;

// The ranges are what the writer takes; the viewer reads any stored value.
struct PreviewHeader {
  int width = 0;    // 1 to 65535 pixels
  int height = 0;   // 1 to 65535 pixels
  int xPitch = 10;  // 1 to 127, or -1 to -128 (mirrored)
  int yPitch = 10;  // 1 to 255

  bool mirrored() const { return xPitch < 0; }
  // The pitch the picture is scaled by: -5 gives 5, -128 gives 128.
  int xPitchSize() const { return mirrored() ? -xPitch : xPitch; }
};

}  // namespace qex
