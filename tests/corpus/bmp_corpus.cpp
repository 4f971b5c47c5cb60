// Reads the BMP test files and the table of their outcomes.
#include "tests/corpus/bmp_corpus.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

CorpusFile ParseLine(const std::string& line) {
  std::istringstream in(line);
  CorpusFile file;
  std::string outcome;
  in >> file.name >> outcome;
  char tail[9] = "";
  if (outcome == "-1") {
    file.expect = CorpusExpect::kRefused;
  } else if (outcome == "background") {
    file.expect = CorpusExpect::kBackground;
  } else if (outcome == "no-lines") {
    file.expect = CorpusExpect::kNoLines;
  } else if (std::sscanf(outcome.c_str(), "%dx%d%8s", &file.width, &file.height, tail) >= 2 &&
             (!*tail || std::string(tail) == "-upright")) {
    file.expect = CorpusExpect::kPicture;
    file.upright = *tail != 0;
  } else {
    throw std::runtime_error("bmp outcomes: cannot read \"" + line + "\"");
  }
  std::ifstream bytes(QEX_BMP_CORPUS "/" + file.name, std::ios::binary | std::ios::ate);
  if (!bytes) throw std::runtime_error("bmp outcomes: no file " + file.name);
  // Exactly as large as the file, so that a sanitizer sees a read past its end.
  file.bytes.resize(static_cast<size_t>(bytes.tellg()));
  bytes.seekg(0).read(reinterpret_cast<char*>(file.bytes.data()), static_cast<std::streamsize>(file.bytes.size()));
  return file;
}

}  // namespace

std::vector<CorpusFile> BmpCorpus() {
  std::ifstream table(QEX_BMP_CORPUS "/outcomes.txt");
  if (!table) throw std::runtime_error("no " QEX_BMP_CORPUS "/outcomes.txt");
  std::vector<CorpusFile> corpus;
  for (std::string line; std::getline(table, line);) {
    if (!line.empty() && line[0] != '#') corpus.push_back(ParseLine(line));
  }
  return corpus;
}

uint32_t PaintedColour(const CorpusFile& file, int x, int y) {
  static const uint32_t kColours[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
  const uint8_t bits = file.bytes[14] == 12 ? file.bytes[24] : file.bytes[28];
  const int row = file.upright ? y : file.height - 1 - y;
  return kColours[(x + row * (row + 1) / 2) % (bits == 1 ? 2 : 4)];
}
