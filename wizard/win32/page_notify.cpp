// What every wizard page answers the sheet, and the buttons it offers.
#include <windows.h>
#include <commctrl.h>

#include "wizard/core/driver_settings.h"
#include "wizard/resources/resource_ids.h"
#include "wizard/win32/wizard_pages.h"
#include "wizard/win32/wizard_state.h"

namespace {

void SetWizardButtons(HWND page, DWORD buttons) {
  HWND sheet = GetParent(page);
  PostMessageA(sheet, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(buttons));
  SendMessageA(GetDlgItem(sheet, IDC_SHEET_NEXT), BM_SETSTYLE, BS_PUSHBUTTON, FALSE);
}

INT_PTR AnswerZero(HWND page) {
  // SetWindowLongA on DWL_MSGRESULT in the 32-bit program; the Ptr form also builds 64-bit.
  SetWindowLongPtrA(page, DWLP_MSGRESULT, 0);
  return TRUE;
}

}  // namespace

INT_PTR AnswerNotify(HWND page, const NMHDR* header, DWORD buttons, PageEnd end) {
  switch (header->code) {
    case PSN_SETACTIVE:
      FitSheetToPage(page);
      SetWizardButtons(page, buttons);
      return TRUE;
    case PSN_KILLACTIVE:
    case PSN_RESET: return AnswerZero(page);
    case PSN_WIZBACK: return TRUE;
    case PSN_WIZNEXT: return end == PageEnd::kNext;
    case PSN_WIZFINISH: return end == PageEnd::kFinish;
    default: return FALSE;
  }
}
