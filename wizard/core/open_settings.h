// Obtaining the driver's document settings block for one run of the wizard, and giving it
// back. Every failure is told to the user and leaves nothing held.
#pragma once
#include <cstdint>
#include <string>

#include "wizard/core/settings_memory.h"
#include "wizard/core/spooler.h"
#include "wizard/core/user_messages.h"

struct OpenedSettings {
  uint8_t* block = nullptr;  // kDriverSettingsSize bytes, or null after a failure
  PrinterHandle printer = nullptr;
};

// Opens the printer, checks that the driver's block has exactly kDriverSettingsSize bytes,
// reads it into memory from `memory` and writes the wizard's fixed values into it.
OpenedSettings OpenDriverSettings(const char* deviceName, Spooler& spooler, SettingsMemory& memory,
                                  UserMessages& messages);

// Frees the block, then closes the printer; either may be absent.
void CloseDriverSettings(Spooler& spooler, SettingsMemory& memory, PrinterHandle printer, uint8_t* block);

// "Unable to Open Printer Driver <name>!", kept within 127 characters by shortening the name.
std::string OpenFailureText(const char* deviceName);
