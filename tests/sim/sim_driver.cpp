// The simulated driver of QexWizSim.exe, configured by environment variables that the test
// sets before it starts the program:
//   QEXWIZ_SIM_PRINTER   the one device name that opens
//   QEXWIZ_SIM_SETTINGS  a file whose bytes are the driver's settings block (its size is the
//                        size the driver reports)
//   QEXWIZ_SIM_FAIL      "docprops": reading the settings fails
//   QEXWIZ_SIM_PROGRESS  a text file; at the call after each progress step of the job (SUB
//                        packets, EndDoc) the driver appends what the sending page shows, as
//                        drawn: "Cancel <enabled|disabled>, <blue pixels mid-bar> of <width> blue"
//   QEXWIZ_SIM_LOG       a text file; the print device appends one line per call in the
//                        format of tools/device_log (the one qexcard prints):
//   CreateDC <device name> <block>   StartDoc <document name>   Escape <number> <input bytes>
//   StartPage   EndPage   EndDoc   DeleteDC
//   BitBlt <x> <y> <width> <height> <rop as 8 hex digits> <source width>x<source height>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "common/win32/scoped.h"
#include "tools/device_log/device_log.h"
#include "wizard/core/driver_settings.h"
#include "wizard/resources/resource_ids.h"
#include "wizard/win32/driver_access.h"

namespace {

std::string Env(const char* name) { return std::getenv(name) ? std::getenv(name) : ""; }

bool ReadSettingsFile(std::string* bytes) {
  std::ifstream file(Env("QEXWIZ_SIM_SETTINGS"), std::ios::binary);
  bytes->assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return file.is_open();
}

void Log(const std::string& line) {
  std::ofstream(Env("QEXWIZ_SIM_LOG"), std::ios::binary | std::ios::app) << line << "\n";
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
    if (Env("QEXWIZ_SIM_FAIL") == "docprops" || !ReadSettingsFile(&bytes)) return -1;
    std::memcpy(block, bytes.data(), std::min(bytes.size(), kDriverSettingsSize));
    return IDOK;
  }
  void Close(PrinterHandle) override {}

  void CreateDC(const char* name, const uint8_t* settings) override {
    Log(device_log::CreateDCLine(name, settings, kDriverSettingsSize));
  }
  int StartDoc(const char* name) override { return Log(device_log::StartDocLine(name)), 1; }
  void Escape(int escape, const uint8_t* input, int size) override {
    Log(device_log::EscapeLine(escape, input, size));
    if (size == 4 && input[2] == 0x1A) RecordProgress();
  }
  int StartPage() override { return Log(device_log::StartPageLine()), 1; }
  void EndPage() override { Log(device_log::EndPageLine()); }
  void EndDoc() override {
    Log(device_log::EndDocLine());
    RecordProgress();
  }
  void DeleteDC() override { Log(device_log::DeleteDCLine()); }
  // The bitmap comes from the program's own resources, as on the real printer.
  void DrawBitmapResource(int id, int x, int y) override {
    BITMAP info{};
    if (HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id))) {
      GetObjectA(bitmap, sizeof info, &info);
      DeleteObject(bitmap);
    }
    Log(device_log::BitBltLine(x, y, info.bmWidth, info.bmHeight, device_log::kSrcCopy, info.bmWidth, info.bmHeight));
  }
  void FillBlack(int x, int y, int width, int height) override {
    Log(device_log::BitBltLine(x, y, width, height, device_log::kBlackness, 0, 0));
  }

 private:
  static void RecordProgress() {
    HWND sheet = GetActiveWindow();
    HWND bar = GetDlgItem(reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)), IDC_PROGRESS);
    RECT client{};
    GetClientRect(bar, &client);
    int blue = 0;
    const ScopedWindowDc dc(bar);
    for (int x = 0; x < client.right; ++x) blue += GetPixel(dc.get(), x, client.bottom / 2) == RGB(0, 0, 255);
    std::ofstream(Env("QEXWIZ_SIM_PROGRESS"), std::ios::binary | std::ios::app)
        << "Cancel " << (IsWindowEnabled(GetDlgItem(sheet, IDCANCEL)) ? "enabled" : "disabled") << ", " << blue
        << " of " << client.right << " blue\n";
  }
} simDriver;

}  // namespace

Spooler& TheSpooler() { return simDriver; }
PrintDevice& ThePrintDevice() { return simDriver; }
