// The BMP files of tests/data/bmp with what "-b" does with each, read from the folder's
// outcomes.txt, for the loader's unit test and for painting them through the real viewer.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum class CorpusExpect {
  kRefused,     // -1, nothing painted
  kBackground,  // kept from the conversion: background only, 0
  kNoLines,     // handed to the conversion, which converts nothing: background only, 0
  kPicture,     // the test pattern, painted pixel for pixel
};

struct CorpusFile {
  std::string name;
  std::vector<uint8_t> bytes;
  CorpusExpect expect = CorpusExpect::kRefused;
  int width = 0, height = 0;  // of a picture
  bool upright = false;       // rows stored top first, as snapshots are: shown the right way up
};

// Every file the table lists; throws when the table or a file it names cannot be read, or
// a line cannot be understood.
std::vector<CorpusFile> BmpCorpus();

// The colour (0x00RRGGBB) that "-b" paints at (x, y) of a picture's unscaled area.
uint32_t PaintedColour(const CorpusFile& file, int x, int y);
