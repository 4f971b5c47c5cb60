// Pages 1 and 2 of the tuning sheet: focus the lens, place the sample on the bed.
#include <windows.h>
#include <commctrl.h>

#include "wizard/core/driver_settings.h"
#include "wizard/core/page_fields.h"
#include "wizard/resources/resource_ids.h"
#include "wizard/win32/wizard_pages.h"
#include "wizard/win32/wizard_state.h"

INT_PTR CALLBACK FocusPageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_NOTIFY: return AnswerNotify(page, reinterpret_cast<const NMHDR*>(lParam), PSWIZB_NEXT, PageEnd::kNext);
    default: return FALSE;
  }
}

INT_PTR CALLBACK PlaceMaterialPageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const bool metric = MetricUnits(g_wizard.settings);
      SetDlgItemTextA(page, IDC_PLACE_TEXT, PlacementText(metric).c_str());
      ShowWindow(GetDlgItem(page, IDC_PICTURE_INCH), metric ? SW_HIDE : SW_SHOW);
      ShowWindow(GetDlgItem(page, IDC_PICTURE_CM), metric ? SW_SHOW : SW_HIDE);
      return TRUE;
    }
    case WM_NOTIFY:
      return AnswerNotify(page, reinterpret_cast<const NMHDR*>(lParam), PSWIZB_BACK | PSWIZB_NEXT, PageEnd::kNext);
    default: return FALSE;
  }
}
