// Obtaining and giving back the driver's document settings block.
#include "wizard/core/open_settings.h"

#include "wizard/core/driver_settings.h"

namespace {
const char kReadFailure[] = "DocumentProperties() Fails";
const char kReadFailureCaption[] = "Driver Error";
}  // namespace

std::string OpenFailureText(const char* deviceName) {
  // The text is kept within 127 characters; a long name is cut so that the "!" stays.
  return "Unable to Open Printer Driver " + std::string(deviceName).substr(0, 96) + "!";
}

OpenedSettings OpenDriverSettings(const char* deviceName, Spooler& spooler, SettingsMemory& memory,
                                  UserMessages& messages) {
  const PrinterHandle printer = spooler.Open(deviceName);
  if (!printer) {
    messages.ShowError(messages.FocusWindow(), OpenFailureText(deviceName).c_str(), "QEX");
    return {};
  }
  // The private fields sit at fixed offsets that hold only for a block of exactly this size.
  if (spooler.QuerySettingsSize(messages.FocusWindow(), printer, deviceName) !=
      static_cast<int32_t>(kDriverSettingsSize)) {
    messages.ShowError(messages.FocusWindow(), "DRIVER DATA MISMATCH ERROR\nPlease reinstall the driver.", "WARNING");
    spooler.Close(printer);
    return {};
  }
  uint8_t* block = memory.Allocate(kDriverSettingsSize);
  if (!block) {
    // Without memory the settings cannot be read: the same message as a failed read.
    messages.ShowError(messages.FocusWindow(), kReadFailure, kReadFailureCaption);
    spooler.Close(printer);
    return {};
  }
  if (spooler.ReadSettings(messages.FocusWindow(), printer, deviceName, block) < 0) {
    messages.ShowError(messages.FocusWindow(), kReadFailure, kReadFailureCaption);
    memory.Free(block);
    spooler.Close(printer);
    return {};
  }
  ApplyOpenDefaults(block);
  return {block, printer};
}

void CloseDriverSettings(Spooler& spooler, SettingsMemory& memory, PrinterHandle printer, uint8_t* block) {
  if (block) memory.Free(block);
  if (printer) spooler.Close(printer);
}
