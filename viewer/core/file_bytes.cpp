// Reading a whole file into memory as raw bytes.
#include "viewer/core/file_bytes.h"

#include <fstream>
#include <iterator>

bool ReadFileBytes(const std::string& fileName, std::vector<uint8_t>* bytes) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return false;
  bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}
