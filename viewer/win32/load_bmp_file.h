// Loading a BMP file whole, checked, for painting.
#pragma once
#include "viewer/core/bmp_file.h"

// Reads the file into image->fileData and checks it; 0 on success, -1 (refused) or
// kBmpNotConvertible (paint the background only) with nothing left allocated. Running out
// of memory for the file shows the one message box of the viewer.
int LoadBmpFile(BmpImage* image, const char* fileName);
