// Page 3 of the tuning sheet: the estimated power and speed, typed or stepped with arrows.
#include <windows.h>
#include <commctrl.h>

#include "wizard/core/driver_settings.h"
#include "wizard/core/page_fields.h"
#include "wizard/resources/resource_ids.h"
#include "wizard/win32/wizard_pages.h"
#include "wizard/win32/wizard_state.h"

namespace {

constexpr int kBoxTextSize = 16;

struct BoxText {
  char text[kBoxTextSize] = {};
};

BoxText ReadBox(HWND page, int id) {
  BoxText box;
  GetDlgItemTextA(page, id, box.text, kBoxTextSize);
  return box;
}

void ShowPower(HWND page, int32_t power) { SetDlgItemTextA(page, IDC_POWER, PowerText(power).c_str()); }
int32_t ReadPower(HWND page) { return PowerFromText(ReadBox(page, IDC_POWER).text); }
void ShowSpeed(HWND page, int32_t speed) {
  SetDlgItemTextA(page, IDC_SPEED, SpeedText(speed, MaxSpeed(g_wizard.settings)).c_str());
}
int32_t ReadSpeed(HWND page) { return SpeedFromText(ReadBox(page, IDC_SPEED).text, MaxSpeed(g_wizard.settings)); }

INT_PTR OnCommand(HWND page, WPARAM wParam) {
  const int id = LOWORD(wParam);
  const bool lostFocus = HIWORD(wParam) == EN_KILLFOCUS;
  switch (id) {
    case IDCANCEL: return TRUE;
    case IDC_POWER:
      if (lostFocus) ShowPower(page, ReadPower(page));
      return TRUE;
    case IDC_SPEED:
      if (lostFocus) ShowSpeed(page, ReadSpeed(page));
      return TRUE;
    default: return FALSE;
  }
}

INT_PTR OnScroll(HWND page, WPARAM wParam, LPARAM lParam) {
  const int code = LOWORD(wParam);
  if (code == SB_ENDSCROLL) return TRUE;
  const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
  if (id == IDC_POWER_ARROWS) ShowPower(page, StepPower(code, ReadPower(page)));
  if (id == IDC_SPEED_ARROWS) ShowSpeed(page, StepSpeed(code, ReadSpeed(page), MaxSpeed(g_wizard.settings)));
  return TRUE;
}

}  // namespace

INT_PTR CALLBACK PowerPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      // The boxes are filled once, after the page has been created.
      PostMessageA(page, WM_APP, 0, 0);
      return TRUE;
    case WM_APP:
      ShowWindow(GetDlgItem(page, IDC_POWER), SW_SHOW);
      ShowWindow(GetDlgItem(page, IDC_SPEED), SW_SHOW);
      ShowPower(page, g_wizard.tuning.power1);
      ShowSpeed(page, g_wizard.tuning.speed);
      return TRUE;
    case WM_COMMAND: return OnCommand(page, wParam);
    case WM_VSCROLL: return OnScroll(page, wParam, lParam);
    case WM_NOTIFY: {
      const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == static_cast<UINT>(PSN_WIZNEXT)) {
        g_wizard.tuning.power1 = ReadPower(page);
        g_wizard.tuning.speed = ReadSpeed(page);
      }
      return AnswerNotify(page, header, PSWIZB_BACK | PSWIZB_NEXT, PageEnd::kNext);
    }
    default: return FALSE;
  }
}
