// Reading a whole file into memory as raw bytes.
#include "viewer/core/file_bytes.h"

#include <cstdio>

// Plain stdio: the C++ streams would pull their locale machinery into the program.
bool ReadFileBytes(const std::string& fileName, std::vector<uint8_t>* bytes) {
  std::FILE* file = std::fopen(fileName.c_str(), "rb");
  if (!file) return false;
  bytes->clear();
  uint8_t piece[65536];
  size_t got = 0;
  while ((got = std::fread(piece, 1, sizeof piece, file)) > 0) bytes->insert(bytes->end(), piece, piece + got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  return !failed;
}
