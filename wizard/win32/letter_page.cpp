// Page 5 of the tuning sheet: the letter of the straightest line on the test card.
#include <windows.h>
#include <commctrl.h>

#include "wizard/core/page_fields.h"
#include "wizard/resources/resource_ids.h"
#include "wizard/win32/wizard_pages.h"
#include "wizard/win32/wizard_state.h"

namespace {

void ShowLetter(HWND page) { SetDlgItemTextA(page, IDC_LETTER, LetterText(g_wizard.tuning.mechTweak).c_str()); }

void ReadLetter(HWND page) {
  char text[16] = {};
  GetDlgItemTextA(page, IDC_LETTER, text, sizeof text);
  g_wizard.tuning.mechTweak = TweakFromLetterText(text, g_wizard.tuning.mechTweak);
}

INT_PTR OnCommand(HWND page, WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) != IDC_LETTER) return FALSE;
  switch (HIWORD(wParam)) {
    case EN_SETFOCUS:
      // The dialog manager selects the box's text when it moves the focus there itself.
      SendMessageA(page, WM_NEXTDLGCTL, static_cast<WPARAM>(lParam), TRUE);
      return TRUE;
    case EN_KILLFOCUS:
      ReadLetter(page);
      ShowLetter(page);
      return TRUE;
    default: return TRUE;
  }
}

}  // namespace

INT_PTR CALLBACK LetterPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: SendDlgItemMessageA(page, IDC_LETTER, EM_LIMITTEXT, 2, 0); return TRUE;
    case WM_ACTIVATE:
    case WM_CHILDACTIVATE: ShowLetter(page); return TRUE;
    case WM_COMMAND: return OnCommand(page, wParam, lParam);
    case WM_NOTIFY: {
      const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == static_cast<UINT>(PSN_WIZFINISH)) ReadLetter(page);
      return AnswerNotify(page, header, PSWIZB_BACK | PSWIZB_FINISH, PageEnd::kFinish);
    }
    default: return FALSE;
  }
}
