// The engraver's printer as a GDI device context made from the driver settings block.
#include <windows.h>

#include "common/win32/scoped.h"
#include "wizard/win32/driver_access.h"
#include "wizard/win32/wizard_state.h"

namespace {

class GdiPrintDevice : public PrintDevice {
 public:
  void CreateDC(const char* deviceName, const uint8_t* settings) override {
    dc_.reset(::CreateDCA(nullptr, deviceName, nullptr, reinterpret_cast<const DEVMODEA*>(settings)));
  }
  int StartDoc(const char* documentName) override {
    static_assert(sizeof(void*) != 4 || sizeof(DOCINFOA) == 20, "the 32-bit document information");
    DOCINFOA info{};
    info.cbSize = sizeof info;
    info.lpszDocName = documentName;
    return ::StartDocA(dc_.get(), &info);
  }
  void Escape(int escape, const uint8_t* input, int inputSize) override {
    ExtEscape(dc_.get(), escape, inputSize, reinterpret_cast<LPCSTR>(input), 0, nullptr);
  }
  int StartPage() override { return ::StartPage(dc_.get()); }
  void EndPage() override { ::EndPage(dc_.get()); }
  void EndDoc() override { ::EndDoc(dc_.get()); }
  void DeleteDC() override { dc_.reset(); }
  void DrawBitmapResource(int resourceId, int x, int y) override {
    ScopedBitmap bitmap(LoadBitmapA(g_wizard.instance, MAKEINTRESOURCEA(resourceId)));
    if (!bitmap) return;
    ScopedCreatedDc memory(CreateCompatibleDC(dc_.get()));
    if (!memory) return;
    {
      ScopedSelect select(memory.get(), bitmap.get());
      BITMAP info{};
      GetObjectA(bitmap.get(), sizeof info, &info);
      BitBlt(dc_.get(), x, y, info.bmWidth, info.bmHeight, memory.get(), 0, 0, SRCCOPY);
    }
    bitmap.reset();  // the bitmap goes before the memory DC that held it
  }
  void FillBlack(int x, int y, int width, int height) override {
    BitBlt(dc_.get(), x, y, width, height, nullptr, 0, 0, BLACKNESS);
  }

 private:
  ScopedCreatedDc dc_;
};

}  // namespace

PrintDevice& ThePrintDevice() {
  static GdiPrintDevice device;
  return device;
}
