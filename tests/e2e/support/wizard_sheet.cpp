// Driving the wizard's property sheet in another process through messages.
#include "tests/e2e/support/wizard_sheet.h"

#include <windows.h>
#include <commctrl.h>

#include "tests/e2e/support/process.h"
#include "tests/e2e/support/screen.h"

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(5);
  }
  return true;
}

HWND CurrentPage(HWND sheet) { return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

HWND WaitForPage(HWND sheet, int controlId, DWORD timeoutMs) {
  HWND page = nullptr;
  WaitUntil(
      [&] {
        page = CurrentPage(sheet);
        return page && GetDlgItem(page, controlId) && IsWindowVisible(page);
      },
      timeoutMs);
  return page && GetDlgItem(page, controlId) ? page : nullptr;
}

std::string OfferedButtons(HWND sheet) {
  const std::pair<int, const char*> buttons[] = {
      {kSheetBack, "Back"}, {kSheetNext, "Next"}, {kSheetFinish, "Finish"}, {IDCANCEL, "Cancel"}};
  std::string offered;
  for (const auto& [id, name] : buttons) {
    HWND button = GetDlgItem(sheet, id);
    if (!button || !IsWindowVisible(button) || !IsWindowEnabled(button)) continue;
    if (!offered.empty()) offered += ' ';
    offered += name;
  }
  return offered;
}

bool PressSheetButton(HWND sheet, int id, DWORD timeoutMs) {
  HWND button = GetDlgItem(sheet, id);
  if (!WaitUntil([&] { return button && IsWindowVisible(button) && IsWindowEnabled(button); }, timeoutMs)) {
    return false;
  }
  ClickButton(sheet, id);
  return true;
}

void TypeAndLeave(HWND page, int boxId, const char* text) {
  HWND box = GetDlgItem(page, boxId);
  SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(boxId, EN_KILLFOCUS), reinterpret_cast<LPARAM>(box));
}

void ClickArrow(HWND page, int scrollId, int code) {
  SendMessageA(page, WM_VSCROLL, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(GetDlgItem(page, scrollId)));
}

void SaveWindowShot(HWND window, const std::string& name) {
  // Painting is posted work: give the other process a moment before the copy.
  Sleep(400);
  RECT area{};
  GetWindowRect(window, &area);
  SaveBmp(CaptureScreen(area), ArtifactPath(name));
}
