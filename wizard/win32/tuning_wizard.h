// The modal "Machine Tuning" property sheet.
#pragma once
#include <windows.h>

// Runs the sheet owned by `owner` (or by nothing) and returns when it has closed, by
// Finish or Cancel alike.
void ShowTuningWizard(HWND owner);
