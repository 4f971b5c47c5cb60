// A stand-in "Machine Tuning" sheet: one empty wizard page, closed with Cancel.
#include "wizard/win32/tuning_wizard.h"

#include <commctrl.h>

#include "wizard/win32/wizard_state.h"

namespace {

INT_PTR CALLBACK EmptyPageProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

}  // namespace

void ShowTuningWizard(HWND owner) {
  // An in-memory dialog template without controls, menu, class or title.
  // Words: style (low, high), extended style (low, high), item count, x, y, width, height,
  // then the empty menu, class and title.
  alignas(4) static const WORD kTemplate[] = {
      LOWORD(WS_CHILD | WS_CAPTION), HIWORD(WS_CHILD | WS_CAPTION), 0, 0, 0, 0, 0, 227, 210, 0, 0, 0};
  PROPSHEETPAGEA page{};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
  page.hInstance = g_wizard.instance;
  page.pResource = reinterpret_cast<LPCDLGTEMPLATEA>(kTemplate);
  page.pszTitle = "Machine Tuning";
  page.pfnDlgProc = EmptyPageProc;
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_WIZARD | PSH_NOAPPLYNOW;
  header.hwndParent = owner;
  header.pszCaption = "Machine Tuning";
  header.nPages = 1;
  header.ppsp = &page;
  PropertySheetA(&header);
}
