// Writes a whole file for the native tools; a file not written completely is removed.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

inline bool WriteWholeFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  FILE* file = std::fopen(name.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  if (std::fclose(file) != 0 || !written) {
    std::remove(name.c_str());
    return false;
  }
  return true;
}
