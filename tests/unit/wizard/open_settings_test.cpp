// Opening the driver's settings: the fixed values written into the block, and the order of
// calls, messages and releases on every path.
#include "wizard/core/open_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "wizard/core/driver_settings.h"

namespace {

// Records each call followed by "|", or by "?|" when a handle or block is not the one handed out;
// a message as its text and caption joined by "/".
struct Recorder : Spooler, SettingsMemory, UserMessages {
  int32_t size = static_cast<int32_t>(kDriverSettingsSize), read = 1;
  bool noHeap = false;
  std::string calls;
  std::vector<uint8_t> heap = std::vector<uint8_t>(kDriverSettingsSize);

  template <typename T>
  T Log(T result, const std::string& call, bool ours = true) {
    return calls += call + (ours ? "|" : "?|"), result;
  }
  PrinterHandle Open(const char* name) override {
    return Log(std::string(name) == "Engraver" ? this : nullptr, std::string("Open ") + name);
  }
  int32_t QuerySettingsSize(OwnerWindow, PrinterHandle p, const char*) override { return Log(size, "Size", p == this); }
  int32_t ReadSettings(OwnerWindow, PrinterHandle p, const char*, uint8_t* block) override {
    return Log(read, "Read", p == this && block == heap.data());
  }
  void Close(PrinterHandle p) override { Log(0, "Close", p == this); }
  uint8_t* Allocate(size_t n) override { return Log(noHeap ? nullptr : heap.data(), "Allocate " + std::to_string(n)); }
  void Free(uint8_t* block) override { Log(0, "Free", block == heap.data()); }
  OwnerWindow FocusWindow() override { return nullptr; }
  void ShowError(OwnerWindow, const char* text, const char* caption) override {
    Log(0, std::string(text) + "/" + caption);
  }
};

}  // namespace

// The fixed values change exactly their bytes; each path shows its message and releases what it held.
TEST(OpenSettings, FixedValuesAndEachPath) {
  // 0xA5 is none of the values that the open writes.
  std::vector<uint8_t> block(kDriverSettingsSize, 0xA5), want = block;
  ApplyOpenDefaults(block.data());
  const std::pair<size_t, uint8_t> written[] = {
      {40, 13}, {41, 0},     {42, 0},     {43, 0},   {44, 2},   {45, 0},    {136, 0},  {137, 0},  {138, 0},
      {139, 0}, {304, 1},    {305, 0},    {306, 0},  {307, 0},  {309, 1},   {325, 0},  {327, 0},  {336, 0},
      {337, 0}, {342, 0xE8}, {343, 0x03}, {1362, 0}, {1363, 0}, {1548, 66}, {1549, 0}, {1552, 0}, {1553, 0}};
  for (const auto& [offset, value] : written) want[offset] = value;
  EXPECT_EQ(block, want);
  for (const auto& [metric, x] : {std::pair<uint8_t, int32_t>{0, 4000}, {1, 3937}, {0x80, 3937}}) {
    block[settings_offset::metricUnits] = metric;
    EXPECT_EQ(SampleOriginFromSettings(block.data()).x, x) << int(metric);
  }

  const std::string opened = "Open Engraver|Size|", readOk = opened + "Allocate 1564|Read|",
                    n127 = "E" + std::string(126, 'n'),
                    failed = "DocumentProperties() Fails/Driver Error|";
  // Device name, reported size, read result, whether memory runs out, the calls. A long name is
  // shortened in the message so that its "!" stays.
  const std::tuple<std::string, int32_t, int32_t, bool, std::string> cases[] = {
      {"Engraver", 1564, 1, false, readOk + "Free|Close|"},
      {"Engraver", 1564, 0, false, readOk + "Free|Close|"},
      {n127, 1564, 1, false, "Open " + n127 + "|Unable to Open Printer Driver " + n127.substr(0, 96) + "!/QEX|"},
      {"Engraver", 1565, 1, false, opened + "DRIVER DATA MISMATCH ERROR\nPlease reinstall the driver./WARNING|Close|"},
      {"Engraver", 1564, 1, true, opened + "Allocate 1564|" + failed + "Close|"},
      {"Engraver", 1564, -1, false, readOk + failed + "Free|Close|"},
  };
  for (const auto& [device, size, readResult, noHeap, calls] : cases) {
    Recorder r;
    std::tie(r.size, r.read, r.noHeap) = std::tie(size, readResult, noHeap);
    const OpenedSettings result = OpenDriverSettings(device.c_str(), r, r, r);
    // The handles handed back are what the close releases, so the calls show them.
    EXPECT_EQ(GetU16(r.heap.data(), 342), calls.find('/') == std::string::npos ? 1000 : 0) << calls;
    CloseDriverSettings(r, r, result.printer, result.block);
    EXPECT_EQ(r.calls, calls);
  }
}
