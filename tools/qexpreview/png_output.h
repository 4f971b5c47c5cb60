// Writes a memory picture as an 8-bit RGB PNG, top row first (the right way up). The bytes
// depend on the picture and the zlib version alone, so every build of the tools writes the
// same file for the same picture.
#pragma once
#include <string>

#include "viewer/core/memory_picture.h"

// Writes the file into NAME.part, one created here (one that exists already is not ours and
// is left alone), then renames that to `fileName`, so that no half file is left. False with
// "cannot write NAME: " and the system's reason when it cannot.
bool WritePng(const MemoryPicture& picture, const std::string& fileName, std::string* error);
