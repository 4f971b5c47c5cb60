// The wizard's entry: one copy at a time, the about box or the "-mt" tuning run.
#pragma once
#include <windows.h>

int WizardMain(HINSTANCE instance, HINSTANCE previous, const char* commandLine, int showState);
int ShowWizardAbout();
// Parses "-mt", keeps the caller's window disabled around the run; returns 0.
int RunTuningCommand(const char* commandLine, HINSTANCE instance);
// Opens the driver settings, loads the tuned values, shows the sheet, saves and closes.
void RunTuning(HWND owner, const char* deviceName);
