// The screen-compatible off-screen bitmap of the "-f" command, and bringing the memory
// picture's rows into it.
#pragma once

#include "viewer/core/memory_picture.h"

// Creates the off-screen picture of g_handles (compatible with the screen, white as
// WHITENESS leaves it); false when it cannot be made. ReleasePicture frees it.
bool CreateOffscreenPicture(int width, int height);

// Writes picture rows first .. first + count - 1 into the off-screen bitmap so that it holds what
// GDI would have drawn there, at any display depth; false for rows outside the picture or
// when GDI refuses.
bool TransferPictureRows(const MemoryPicture& picture, int first, int count);
