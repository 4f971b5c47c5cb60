// The simulated driver of QexWizSim.exe, configured by environment variables that the test
// sets before it starts the program:
//   QEXWIZ_SIM_PRINTER   the one device name that opens
//   QEXWIZ_SIM_SETTINGS  a file whose bytes are the driver's settings block (its size is the
//                        size the driver reports)
//   QEXWIZ_SIM_FAIL      comma-separated switches: docprops, createdc, startdoc,
//                        startpage1, startpage2, startpage3
//   QEXWIZ_SIM_LOG       a text file; the print device appends one line per call, fields
//                        separated by one space, bytes as lowercase hex without separators:
//   CreateDC <device name> <block>   StartDoc <document name>   Escape <number> <input bytes>
//   StartPage   EndPage   EndDoc   DeleteDC
//   BitBlt <x> <y> <width> <height> <rop as 8 hex digits> <source width>x<source height>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "wizard/core/driver_settings.h"
#include "wizard/win32/driver_access.h"

namespace {

std::string Env(const char* name) { return std::getenv(name) ? std::getenv(name) : ""; }

bool Fails(const std::string& name) {
  return ("," + Env("QEXWIZ_SIM_FAIL") + ",").find("," + name + ",") != std::string::npos;
}

bool ReadSettingsFile(std::string* bytes) {
  std::ifstream file(Env("QEXWIZ_SIM_SETTINGS"), std::ios::binary);
  bytes->assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return file.is_open();
}

void Log(const std::string& line) {
  std::ofstream(Env("QEXWIZ_SIM_LOG"), std::ios::binary | std::ios::app) << line << "\n";
}

std::string Hex(const uint8_t* bytes, int size) {
  std::string text;
  for (int i = 0; i < size; ++i) text += {"0123456789abcdef"[bytes[i] >> 4], "0123456789abcdef"[bytes[i] & 15]};
  return text;
}

class SimDriver : public Spooler, public PrintDevice {
 public:
  PrinterHandle Open(const char* name) override { return *name && Env("QEXWIZ_SIM_PRINTER") == name ? this : nullptr; }
  int32_t QuerySettingsSize(OwnerWindow, PrinterHandle, const char*) override {
    std::string bytes;
    return ReadSettingsFile(&bytes) ? static_cast<int32_t>(bytes.size()) : -1;
  }
  int32_t ReadSettings(OwnerWindow, PrinterHandle, const char*, uint8_t* block) override {
    std::string bytes;
    if (Fails("docprops") || !ReadSettingsFile(&bytes)) return -1;
    std::memcpy(block, bytes.data(), std::min(bytes.size(), kDriverSettingsSize));
    return IDOK;
  }
  void Close(PrinterHandle) override {}

  void CreateDC(const char* name, const uint8_t* settings) override {
    Log(std::string("CreateDC ") + name + " " + Hex(settings, kDriverSettingsSize));
    hasDc_ = !Fails("createdc");
  }
  int StartDoc(const char* name) override {
    Log(std::string("StartDoc ") + name);
    pages_ = 0;
    return hasDc_ && !Fails("startdoc");
  }
  void Escape(int escape, const uint8_t* input, int size) override {
    Log("Escape " + std::to_string(escape) + " " + Hex(input, size));
  }
  int StartPage() override {
    Log("StartPage");
    return hasDc_ && !Fails("startpage" + std::to_string(++pages_));
  }
  void EndPage() override { Log("EndPage"); }
  void EndDoc() override { Log("EndDoc"); }
  void DeleteDC() override { Log("DeleteDC"); }
  // The bitmap comes from the program's own resources, as on the real printer.
  void DrawBitmapResource(int id, int x, int y) override {
    BITMAP info{};
    if (HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id))) {
      GetObjectA(bitmap, sizeof info, &info);
      DeleteObject(bitmap);
    }
    const std::string size = std::to_string(info.bmWidth) + " " + std::to_string(info.bmHeight);
    Blit(x, y, size + " 00cc0020 " + std::to_string(info.bmWidth) + "x" + std::to_string(info.bmHeight));
  }
  void FillBlack(int x, int y, int width, int height) override {
    Blit(x, y, std::to_string(width) + " " + std::to_string(height) + " 00000042 0x0");
  }

 private:
  static void Blit(int x, int y, const std::string& rest) {
    Log("BitBlt " + std::to_string(x) + " " + std::to_string(y) + " " + rest);
  }
  bool hasDc_ = false;
  int pages_ = 0;
} simDriver;

}  // namespace

Spooler& TheSpooler() { return simDriver; }
PrintDevice& ThePrintDevice() { return simDriver; }
