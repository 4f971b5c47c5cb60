// The wizard's way to the engraver's printer driver. Each function is defined twice: in
// win32/driver/ beside the implementation it returns (winspool, the printer DC) for
// QexWiz.exe, and in tests/sim/ (the simulated driver) for QexWizSim.exe.
#pragma once
#include "wizard/core/print_device.h"
#include "wizard/core/spooler.h"

Spooler& TheSpooler();
PrintDevice& ThePrintDevice();
