// Reading a whole file into memory as raw bytes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// False when the file cannot be opened or read.
bool ReadFileBytes(const std::string& fileName, std::vector<uint8_t>* bytes);
