// Writes a memory picture as an 8-bit RGB PNG, top row first (the right way up).
#pragma once
#include <string>

#include "viewer/core/memory_picture.h"

// False with a reason when the file cannot be written.
bool WritePng(const MemoryPicture& picture, const std::string& fileName, std::string* error);
