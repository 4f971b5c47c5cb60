// The wizard's process-wide state.
#include "wizard/win32/wizard_state.h"

WizardState g_wizard{};
