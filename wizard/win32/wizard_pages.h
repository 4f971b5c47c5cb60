// The five pages of the tuning sheet and what they share: the wizard buttons and the
// answers to the sheet's notifications.
#pragma once
#include <windows.h>

#include <cstdint>

INT_PTR CALLBACK FocusPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PlaceMaterialPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PowerPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SendPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK LetterPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// Which button ends a page: Next (pages 1 to 4) or Finish (page 5).
enum class PageEnd { kNext, kFinish };

// The sheet's answer to a page's WM_NOTIFY: the buttons on PSN_SETACTIVE, result 0 for
// PSN_KILLACTIVE and PSN_RESET, TRUE for Back and for the page's own end; FALSE otherwise.
INT_PTR AnswerNotify(HWND page, const NMHDR* header, DWORD buttons, PageEnd end);

// Makes the sheet's page area as large as the page's own template (see sheet_fit.cpp).
void FitSheetToPage(HWND page);
