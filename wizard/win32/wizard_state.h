// The wizard's process-wide state: one instance, zero at start, alive for the whole run.
#pragma once
#include <windows.h>

#include <cstdint>

#include "wizard/core/spooler.h"
#include "wizard/core/tuning_state.h"

constexpr size_t kWizardNameSize = 128;  // at most 127 characters and the terminating zero

struct WizardState {
  char deviceName[kWizardNameSize];  // the printer, from the command line
  char iniSection[kWizardNameSize];  // the LASER.INI section, from the command line
  HINSTANCE instance;                // dialog templates and bitmaps are loaded from it
  uint8_t* settings;                 // the driver settings block while it is open, else null
  PrinterHandle printer;             // the printer the block came from, else null
  SampleOrigin sampleOrigin;         // where the sample lies on the bed
  TuningState tuning;
};

extern WizardState g_wizard;
