// Pieces shared by the commands that paint into another program's window.
#pragma once
#include <windows.h>

#include "viewer/core/command_line.h"

// The window under the rectangle's top-left corner, or null.
HWND TargetWindow(const ScreenRect& rect);

// Fills (0, 0, A, B) of `target` with the colour of the window's pixel at (0, B + 2), just
// below the drawing area, where the window shows its own background.
void FillWithWindowBackground(HDC target, HDC windowDc, int areaWidth, int areaHeight);
