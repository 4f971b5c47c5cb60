// The simulated printer device: every call appends one line to the file QEXWIZ_SIM_LOG,
// fields separated by one space, bytes as lowercase hex without separators:
//   CreateDC <device name> <block as hex>    StartDoc <document name>
//   Escape <escape number> <input bytes>     StartPage   EndPage   EndDoc   DeleteDC
//   BitBlt <x> <y> <width> <height> <rop as 8 hex digits> <source width>x<source height>
// The failure switches of QEXWIZ_SIM_FAIL make calls fail as a real device would.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/sim/sim_config.h"
#include "wizard/core/driver_settings.h"
#include "wizard/win32/driver_access.h"

namespace {

std::string Hex(const uint8_t* bytes, size_t size) {
  static const char kDigits[] = "0123456789abcdef";
  std::string text;
  for (size_t i = 0; bytes && i < size; ++i) {
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 15];
  }
  return text;
}

void Log(const std::string& line) {
  const std::string path = SimSetting("QEXWIZ_SIM_LOG");
  if (path.empty()) return;
  if (FILE* file = std::fopen(path.c_str(), "ab")) {
    std::fprintf(file, "%s\n", line.c_str());
    std::fclose(file);
  }
}

void LogBlit(int x, int y, int width, int height, DWORD rop, int sourceWidth, int sourceHeight) {
  char line[128];
  std::snprintf(line, sizeof line, "BitBlt %d %d %d %d %08lx %dx%d", x, y, width, height,
                static_cast<unsigned long>(rop), sourceWidth, sourceHeight);
  Log(line);
}

class SimPrintDevice : public PrintDevice {
 public:
  void CreateDC(const char* deviceName, const uint8_t* settings) override {
    Log(std::string("CreateDC ") + deviceName + " " + Hex(settings, kDriverSettingsSize));
    hasDc_ = !SimFails("createdc");
  }
  int StartDoc(const char* documentName) override {
    Log(std::string("StartDoc ") + documentName);
    pagesStarted_ = 0;
    return hasDc_ && !SimFails("startdoc") ? 1 : 0;
  }
  void Escape(int escape, const uint8_t* input, int inputSize) override {
    Log("Escape " + std::to_string(escape) + " " + Hex(input, inputSize > 0 ? static_cast<size_t>(inputSize) : 0));
  }
  int StartPage() override {
    Log("StartPage");
    ++pagesStarted_;
    return hasDc_ && !SimFails("startpage" + std::to_string(pagesStarted_)) ? 1 : 0;
  }
  void EndPage() override { Log("EndPage"); }
  void EndDoc() override { Log("EndDoc"); }
  void DeleteDC() override {
    Log("DeleteDC");
    hasDc_ = false;
  }
  // The bitmap comes from the program's own resources, as on the real printer.
  void DrawBitmapResource(int resourceId, int x, int y) override {
    BITMAP info{};
    if (HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId))) {
      GetObjectA(bitmap, sizeof info, &info);
      DeleteObject(bitmap);
    }
    LogBlit(x, y, info.bmWidth, info.bmHeight, SRCCOPY, info.bmWidth, info.bmHeight);
  }
  void FillBlack(int x, int y, int width, int height) override { LogBlit(x, y, width, height, BLACKNESS, 0, 0); }

 private:
  bool hasDc_ = false;
  int pagesStarted_ = 0;
};

}  // namespace

PrintDevice& ThePrintDevice() {
  static SimPrintDevice device;
  return device;
}
