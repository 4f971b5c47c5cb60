// The screen-compatible off-screen bitmap of the "-f" command, and bringing the memory
// picture's rows into it.
#pragma once

#include "viewer/core/memory_picture.h"

// Creates offscreenDc and offscreenBitmap (compatible with the screen, white as WHITENESS
// leaves it) in g_handles; false when either cannot be made. ReleasePicture frees them.
bool CreateOffscreenPicture(int width, int height);

// Writes picture rows first .. first + count - 1 into offscreenBitmap so that it holds what
// GDI would have drawn there, at any display depth; false for rows outside the picture or
// when GDI refuses.
bool TransferPictureRows(const MemoryPicture& picture, int first, int count);
