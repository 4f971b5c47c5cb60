// The wizard's entry: one copy at a time, the about box or the "-mt" tuning run.
#include "wizard/win32/wizard_main.h"

#include "wizard/core/tuning_command.h"

int ShowWizardAbout() {
  MessageBoxA(GetFocus(), "QEXWIZ\nVersion 1.21\nCopyright (C) QEX Laser Systems", "QEX Wizard", MB_OK);
  return 0;
}

int WizardMain(HINSTANCE instance, HINSTANCE, const char* commandLine, int) {
  // The mutex is held, never closed, until the process ends.
  CreateMutexA(nullptr, TRUE, "QEXWIZ");
  if (GetLastError() == ERROR_ALREADY_EXISTS) return -1;
  if (IsTuningCommand(commandLine)) return RunTuningCommand(commandLine, instance);
  return ShowWizardAbout();
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showState) {
  return WizardMain(instance, previous, commandLine, showState);
}
