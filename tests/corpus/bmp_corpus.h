// BMP files of the kinds other programs write, good and malformed, built in memory for the
// loader's unit tests and for painting them through the real viewer.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "viewer/core/bmp_file.h"

enum class CorpusExpect {
  kPaints,          // accepted; the painted picture is known pixel for pixel
  kRefused,         // refused by the loader with `fault`: nothing painted, -1
  kNotConvertible,  // kept from the conversion with `fault`: background only, 0
};

struct CorpusFile {
  std::string name;
  std::vector<uint8_t> bytes;
  CorpusExpect expect = CorpusExpect::kPaints;
  BmpFault fault = BmpFault::kNone;
  int width = 0, height = 0;
  int levels = 4;             // colours of the test pattern (2 for 1-bit files)
  bool rowsTopFirst = false;  // stored like a snapshot: the painter shows it the right way up
};

std::vector<CorpusFile> BmpCorpus();

// The colour (0x00RRGGBB) that "-b" paints at (x, y) of the unscaled picture area: the
// pattern (x + y(y+1)/2) mod levels of the picture as meant to be seen, flipped.
uint32_t PaintedColour(const CorpusFile& file, int x, int y);
