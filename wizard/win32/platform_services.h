// The wizard's Windows services that do not depend on the driver: the settings block's
// memory, the error message boxes and LASER.INI.
#pragma once
#include "wizard/core/profile_store.h"
#include "wizard/core/settings_memory.h"
#include "wizard/core/user_messages.h"

SettingsMemory& TheSettingsMemory();
UserMessages& TheUserMessages();
ProfileStore& TheProfileStore();
