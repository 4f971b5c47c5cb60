// The simulated spooler: one printer, named by QEXWIZ_SIM_PRINTER, whose driver settings
// block is the content of the file QEXWIZ_SIM_SETTINGS.
#include <windows.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/sim/sim_config.h"
#include "wizard/core/driver_settings.h"
#include "wizard/win32/driver_access.h"

namespace {

bool ReadSettingsFile(std::vector<char>* bytes) {
  std::ifstream file(SimSetting("QEXWIZ_SIM_SETTINGS"), std::ios::binary);
  if (!file) return false;
  bytes->assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return true;
}

class SimSpooler : public Spooler {
 public:
  PrinterHandle Open(const char* deviceName) override {
    const std::string printer = SimSetting("QEXWIZ_SIM_PRINTER");
    if (printer.empty() || printer != deviceName) return nullptr;
    return &handle_;
  }
  // The size of the settings file stands for the size of the driver's block.
  int32_t QuerySettingsSize(OwnerWindow, PrinterHandle, const char*) override {
    std::vector<char> bytes;
    return ReadSettingsFile(&bytes) ? static_cast<int32_t>(bytes.size()) : -1;
  }
  int32_t ReadSettings(OwnerWindow, PrinterHandle, const char*, uint8_t* block) override {
    std::vector<char> bytes;
    if (SimFails("docprops") || !ReadSettingsFile(&bytes)) return -1;
    std::memcpy(block, bytes.data(), bytes.size() < kDriverSettingsSize ? bytes.size() : kDriverSettingsSize);
    return IDOK;
  }
  void Close(PrinterHandle) override {}

 private:
  int handle_ = 0;
};

}  // namespace

Spooler& TheSpooler() {
  static SimSpooler spooler;
  return spooler;
}
