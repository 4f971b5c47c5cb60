// The modal "Machine Tuning" property sheet in wizard mode, with its five pages.
#include "wizard/win32/tuning_wizard.h"

#include <windows.h>
#include <commctrl.h>

#include "wizard/resources/resource_ids.h"
#include "wizard/win32/wizard_pages.h"
#include "wizard/win32/wizard_state.h"

namespace {

// The sheet steps through the page records by their dwSize, so they lie 48 bytes apart.
using WizardPage = PROPSHEETPAGEA_V2;
static_assert(sizeof(void*) != 4 || sizeof(WizardPage) == 48, "the 48-byte page record");
static_assert(sizeof(void*) != 4 || sizeof(PROPSHEETHEADERA) == 52, "the 52-byte sheet header");
constexpr int kPageCount = 5;

void InitWizardPage(WizardPage* page, int templateId, const char* name, DLGPROC procedure) {
  *page = WizardPage{};
  page->dwSize = sizeof(WizardPage);
  page->dwFlags = 0;  // no PSP_USETITLE: the title is the template's caption
  page->hInstance = g_wizard.instance;
  page->pszTemplate = MAKEINTRESOURCEA(templateId);
  page->pszTitle = name;
  page->pfnDlgProc = procedure;
}

}  // namespace

void ShowTuningWizard(HWND owner) {
  WizardPage pages[kPageCount];
  InitWizardPage(&pages[0], IDD_FOCUS, "Focus", FocusPageProc);
  InitWizardPage(&pages[1], IDD_PLACE_SAMPLE, "Place Material", PlaceMaterialPageProc);
  InitWizardPage(&pages[2], IDD_POWER, "Configure Power Setting", PowerPageProc);
  InitWizardPage(&pages[3], IDD_SEND, "Mechanical Alignment", SendPageProc);
  InitWizardPage(&pages[4], IDD_LETTER, "Mechanical Alignment", LetterPageProc);

  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_WIZARD | PSH_NOAPPLYNOW;
  header.hwndParent = owner;
  header.pszCaption = "Machine Tuning";
  header.nPages = kPageCount;
  header.nStartPage = 0;
  header.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(pages);
  PropertySheetA(&header);
}
