// Pieces shared by the commands that paint into another program's window.
#include "viewer/win32/window_painting.h"

#include "common/win32/scoped.h"

HWND TargetWindow(const ScreenRect& rect) { return WindowFromPoint(POINT{rect.left, rect.top}); }

void FillWithWindowBackground(HDC target, HDC windowDc, int areaWidth, int areaHeight) {
  ScopedBrush brush(CreateSolidBrush(GetPixel(windowDc, 0, areaHeight + 2)));
  ScopedSelect select(target, brush.get());
  const RECT area{0, 0, areaWidth, areaHeight};
  FillRect(target, &area, brush.get());
}
