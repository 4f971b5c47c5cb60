// The viewer's process-wide drawing state and the helpers that several commands share.
#include "viewer/win32/viewer_state.h"

RenderState g_render;
RenderHandles g_handles;

bool OffscreenPicture::Create(HDC reference, int width, int height) {
  Release();
  dc_.reset(CreateCompatibleDC(reference));
  bitmap_.reset(CreateCompatibleBitmap(reference, width, height));
  if (!dc_ || !bitmap_) {
    Release();
    return false;
  }
  selection_ = ScopedSelect(dc_.get(), bitmap_.get());
  return true;
}

void ReleasePicture() { g_handles.offscreen.Release(); }

void PumpMessages(HWND window) {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (!IsDialogMessageA(window, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

void DrawFrame(HDC dc, int x1, int y1, int x2, int y2) {
  ScopedPen pen(CreatePen(PS_SOLID, 2, RGB(0, 0, 0xAF)));
  ScopedSelect select(dc, pen.get());
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y1);
  LineTo(dc, x2, y2);
  LineTo(dc, x1, y2);
  LineTo(dc, x1, y1);
}
