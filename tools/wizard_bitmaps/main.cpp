// Writes the wizard's bitmaps 101, 102 and 103 into the folder named on the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/wizard_bitmaps/wizard_bitmaps.h"

namespace {

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = std::fclose(file) == 0;
  if (written && closed) return true;
  std::remove(path.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: wizard_bitmaps <folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  const bool ok = WriteFile(folder + "/bed_inch.bmp", BedPictureBmp(false)) &&
                  WriteFile(folder + "/bed_cm.bmp", BedPictureBmp(true)) &&
                  WriteFile(folder + "/letter_row.bmp", LetterRowBmp());
  return ok ? 0 : 1;
}
