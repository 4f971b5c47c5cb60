// The "-mt" command and the run sequence around the tuning sheet.
#include <cstring>

#include "wizard/core/driver_settings.h"
#include "wizard/core/open_settings.h"
#include "wizard/core/tuning_command.h"
#include "wizard/core/tuning_settings.h"
#include "wizard/win32/driver_access.h"
#include "wizard/win32/platform_services.h"
#include "wizard/win32/tuning_wizard.h"
#include "wizard/win32/wizard_main.h"
#include "wizard/win32/wizard_state.h"

namespace {

void CopyName(char (&target)[kWizardNameSize], const std::string& name) {
  std::strncpy(target, name.c_str(), kWizardNameSize - 1);
  target[kWizardNameSize - 1] = '\0';
}

}  // namespace

int RunTuningCommand(const char* commandLine, HINSTANCE instance) {
  g_wizard.instance = instance;
  const TuningCommand command = ScanTuningCommand(commandLine);
  if (command.items >= 1) CopyName(g_wizard.deviceName, command.deviceName);
  if (command.items >= 2) CopyName(g_wizard.iniSection, command.iniSection);
  // Without a point there is no caller's window: nothing is disabled, the sheet is unowned.
  HWND caller = command.HasPoint() ? WindowFromPoint(POINT{command.pointX, command.pointY}) : nullptr;
  if (caller) EnableWindow(caller, FALSE);
  RunTuning(caller, g_wizard.deviceName);
  if (caller) EnableWindow(caller, TRUE);
  return 0;
}

void RunTuning(HWND owner, const char* deviceName) {
  const OpenedSettings opened = OpenDriverSettings(deviceName, TheSpooler(), TheSettingsMemory(), TheUserMessages());
  if (!opened.block) return;
  g_wizard.settings = opened.block;
  g_wizard.printer = opened.printer;
  g_wizard.sampleOrigin = SampleOriginFromSettings(g_wizard.settings);
  LoadTuning(g_wizard.tuning, g_wizard.settings, TheProfileStore(), g_wizard.iniSection);
  ShowTuningWizard(owner);
  SaveTuning(g_wizard.tuning, g_wizard.settings, TheProfileStore(), g_wizard.iniSection);
  CloseDriverSettings(TheSpooler(), TheSettingsMemory(), g_wizard.printer, g_wizard.settings);
  g_wizard.settings = nullptr;
  g_wizard.printer = nullptr;
}
