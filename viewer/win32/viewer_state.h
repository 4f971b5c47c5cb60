// The viewer's process-wide drawing state: the portable RenderState and the platform
// handles that belong to it, plus the helpers that several commands share.
#pragma once
#include <windows.h>

#include "viewer/core/render_state.h"

struct RenderHandles {
  HWND monitorWindow = nullptr;
  HDC monitorDc = nullptr;          // client-area DC of the monitor, from GetDC
  HDC offscreenDc = nullptr;        // memory DC (or, while an overlay draws, a window's DC)
  HBITMAP offscreenBitmap = nullptr;
  HBITMAP previousBitmap = nullptr;
};

extern RenderState g_render;
extern RenderHandles g_handles;

// Selects the previous bitmap back, deletes the picture bitmap and the memory DC.
void ReleasePicture();

// Lets every waiting message of this thread through (dialog keys first); never waits.
void PumpMessages(HWND window);

// A closed rectangle (x1, y1)-(x2, y2) with a 2-pixel dark blue pen.
void DrawFrame(HDC dc, int x1, int y1, int x2, int y2);
