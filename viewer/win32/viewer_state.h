// The viewer's process-wide drawing state: the portable RenderState and the platform
// handles that belong to it, each held by an owner, plus the helpers that several commands
// share.
#pragma once
#include <windows.h>

#include "common/win32/scoped.h"
#include "viewer/core/render_state.h"

// A memory DC with a bitmap selected into it: the off-screen picture of "-f", or the
// composition of "-b". Released in reverse order: the previous bitmap is selected back,
// then the bitmap and the DC are deleted.
class OffscreenPicture {
 public:
  // A memory DC compatible with `reference` holding a compatible bitmap of width x height;
  // false (and nothing held) when either cannot be made.
  bool Create(HDC reference, int width, int height);
  void Release() {
    selection_.reset();
    bitmap_.reset();
    dc_.reset();
  }
  HDC dc() const { return dc_.get(); }
  HBITMAP bitmap() const { return bitmap_.get(); }
  explicit operator bool() const { return static_cast<bool>(bitmap_); }

 private:
  ScopedCreatedDc dc_;
  ScopedBitmap bitmap_;
  ScopedSelect selection_;
};

struct RenderHandles {
  ScopedWindow monitorWindow;
  ScopedWindowDc monitorDc;  // the monitor's client-area DC; released before the window goes
  OffscreenPicture offscreen;
};

extern RenderState g_render;
extern RenderHandles g_handles;

// Selects the previous bitmap back, deletes the picture bitmap and the memory DC.
void ReleasePicture();

// Lets every waiting message of this thread through (dialog keys first); never waits.
void PumpMessages(HWND window);

// A closed rectangle (x1, y1)-(x2, y2) with a 2-pixel dark blue pen.
void DrawFrame(HDC dc, int x1, int y1, int x2, int y2);
