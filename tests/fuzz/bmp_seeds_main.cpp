// Writes the BMP test corpus into a folder as seeds for the BMP fuzz target.
#include <cstdio>

#include "tests/corpus/bmp_corpus.h"
#include "tools/common/write_file.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  for (const CorpusFile& file : BmpCorpus()) {
    if (!WriteWholeFile(std::string(argv[1]) + "/" + file.name + ".bmp", file.bytes)) return 1;
  }
  return 0;
}
