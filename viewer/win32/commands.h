// The viewer's command handlers; each takes the whole command line and returns the exit code.
#pragma once
#include <windows.h>

int RenderPreviewCommand(const char* commandLine, HINSTANCE instance);  // "-f"
int PaintBmpCommand(const char* commandLine);                           // "-b"
int PaintVectorCommand(const char* commandLine, int withBackground);    // "-v"
int PaintBothCommand(const char* commandLine);                          // "-d"
