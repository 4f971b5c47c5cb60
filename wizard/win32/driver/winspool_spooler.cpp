// The print spooler of Windows: the engraver's printer and its driver's settings.
#include <windows.h>
#include <winspool.h>

#include "wizard/win32/driver_access.h"

namespace {

class Winspool : public Spooler {
 public:
  PrinterHandle Open(const char* deviceName) override {
    HANDLE printer = nullptr;
    if (!OpenPrinterA(const_cast<char*>(deviceName), &printer, nullptr)) return nullptr;
    return printer;
  }
  int32_t QuerySettingsSize(OwnerWindow owner, PrinterHandle printer, const char* deviceName) override {
    return DocumentPropertiesA(static_cast<HWND>(owner), printer, const_cast<char*>(deviceName), nullptr, nullptr, 0);
  }
  int32_t ReadSettings(OwnerWindow owner, PrinterHandle printer, const char* deviceName, uint8_t* block) override {
    return DocumentPropertiesA(static_cast<HWND>(owner), printer, const_cast<char*>(deviceName),
                               reinterpret_cast<DEVMODEA*>(block), nullptr, DM_OUT_BUFFER);
  }
  void Close(PrinterHandle printer) override { ::ClosePrinter(printer); }
};

}  // namespace

Spooler& TheSpooler() {
  static Winspool spooler;
  return spooler;
}
