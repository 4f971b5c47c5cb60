// Grows the sheet when its page area is smaller than a page's own 227 x 210 dialog units.
// The sheet measures the page area in its own font; the pages use a larger font, so where
// the platform does not size the sheet by the page's font their right and bottom parts
// would be cut off. Where the pages already fit, nothing changes.
#include <windows.h>

#include <algorithm>

#include "wizard/win32/wizard_pages.h"

namespace {

constexpr int kPageWidthUnits = 227;
constexpr int kPageHeightUnits = 210;

RECT RectInParent(HWND window, HWND parent) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool IsPage(HWND window) {
  char className[16] = "";
  GetClassNameA(window, className, sizeof className);
  return lstrcmpA(className, "#32770") == 0;
}

void Resize(HWND window, int width, int height) {
  SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Moves the controls below the page area down and the buttons right, widens the line
// across the sheet, then grows the sheet.
void GrowSheet(HWND sheet, const RECT& pageArea, int dx, int dy) {
  RECT client{};
  GetClientRect(sheet, &client);
  for (HWND child = GetWindow(sheet, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsPage(child)) continue;
    RECT r = RectInParent(child, sheet);
    if (r.top < pageArea.bottom) continue;
    const bool spansSheet = r.right - r.left > client.right / 2;
    const int moveX = spansSheet ? 0 : dx;  // the buttons keep to the right edge
    SetWindowPos(child, nullptr, r.left + moveX, r.top + dy, r.right - r.left + (spansSheet ? dx : 0), r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT frame{};
  GetWindowRect(sheet, &frame);
  SetWindowPos(sheet, nullptr, std::max(0L, frame.left - dx / 2), std::max(0L, frame.top - dy / 2),
               frame.right - frame.left + dx, frame.bottom - frame.top + dy, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void FitSheetToPage(HWND page) {
  HWND sheet = GetParent(page);
  RECT need = {0, 0, kPageWidthUnits, kPageHeightUnits};
  MapDialogRect(page, &need);
  const RECT area = RectInParent(page, sheet);
  const int dx = std::max(0L, need.right - (area.right - area.left));
  const int dy = std::max(0L, need.bottom - (area.bottom - area.top));
  if (dx == 0 && dy == 0) return;
  // The first page to become active grows the sheet once; later pages only take the size.
  static HWND grownSheet = nullptr;
  if (grownSheet != sheet) {
    grownSheet = sheet;
    GrowSheet(sheet, area, dx, dy);
  }
  for (HWND child = GetWindow(sheet, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsPage(child)) Resize(child, need.right, need.bottom);
  }
}
