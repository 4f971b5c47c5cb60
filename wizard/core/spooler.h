// What the wizard needs of the print spooler to read the driver's document settings:
// open a printer by name, ask the size of its settings block, read the block, close.
// Handles are opaque, pointer-sized values; a null printer handle means "none".
#pragma once
#include <cstdint>

using PrinterHandle = void*;
using OwnerWindow = void*;

class Spooler {
 public:
  virtual ~Spooler() = default;
  // OpenPrinterA with no defaults; null when no such printer can be opened.
  virtual PrinterHandle Open(const char* deviceName) = 0;
  // DocumentPropertiesA with no buffers and mode 0: the size of the driver's full block.
  virtual int32_t QuerySettingsSize(OwnerWindow owner, PrinterHandle printer, const char* deviceName) = 0;
  // DocumentPropertiesA with `block` as output buffer and DM_OUT_BUFFER; negative on failure.
  virtual int32_t ReadSettings(OwnerWindow owner, PrinterHandle printer, const char* deviceName, uint8_t* block) = 0;
  // ClosePrinter.
  virtual void Close(PrinterHandle printer) = 0;
};
