// The viewer's process-wide drawing state and the helpers that several commands share.
#include "viewer/win32/viewer_state.h"

#include "common/win32/scoped.h"

RenderState g_render;
RenderHandles g_handles;

void ReleasePicture() {
  if (g_handles.offscreenBitmap) {
    SelectObject(g_handles.offscreenDc, g_handles.previousBitmap);
    DeleteObject(g_handles.offscreenBitmap);
    g_handles.offscreenBitmap = nullptr;
    g_handles.previousBitmap = nullptr;
  }
  if (g_handles.offscreenDc) {
    DeleteDC(g_handles.offscreenDc);
    g_handles.offscreenDc = nullptr;
  }
}

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
