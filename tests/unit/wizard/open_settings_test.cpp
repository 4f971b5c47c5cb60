// Opening the driver's settings: the fixed values written into the block, and the order of
// calls, messages and releases on every path.
#include "wizard/core/open_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wizard/core/driver_settings.h"

namespace {

// Every byte of a freshly read block differs from the values that the open writes.
uint8_t Pattern(size_t i) { return static_cast<uint8_t>(0xA5 ^ (i * 7)); }

// Records every call joined by "|"; "?" marks a handle or block that is not the one handed out.
struct Recorder : Spooler, SettingsMemory, UserMessages {
  int32_t size = static_cast<int32_t>(kDriverSettingsSize), read = 1;
  bool noMemory = false;
  std::string calls;
  std::vector<uint8_t> storage = std::vector<uint8_t>(kDriverSettingsSize);

  void Log(const std::string& call, const void* handle = nullptr) {
    calls += (calls.empty() ? "" : "|") + call + (handle && handle != this && handle != storage.data() ? "?" : "");
  }
  PrinterHandle Open(const char* name) override {
    Log(std::string("Open ") + name);
    return std::string(name) == "Engraver" ? this : nullptr;
  }
  int32_t QuerySettingsSize(OwnerWindow, PrinterHandle p, const char*) override { Log("Size", p); return size; }
  int32_t ReadSettings(OwnerWindow, PrinterHandle p, const char*, uint8_t* block) override {
    Log(block == storage.data() ? "Read" : "Read block?", p);
    for (size_t i = 0; i < kDriverSettingsSize; ++i) block[i] = Pattern(i);
    return read;
  }
  void Close(PrinterHandle p) override { Log("Close", p); }
  uint8_t* Allocate(size_t n) override {
    Log("Allocate " + std::to_string(n));
    return noMemory ? nullptr : storage.data();
  }
  void Free(uint8_t* block) override { Log("Free", block); }
  OwnerWindow FocusWindow() override { return this; }
  void ShowError(OwnerWindow owner, const char* text, const char* caption) override {
    Log(std::string("Message [") + text + "] [" + caption + "]", owner);
  }
};

}  // namespace

TEST(OpenSettings, FixedValuesChangeExactlyTheirBytes) {
  std::vector<uint8_t> block(kDriverSettingsSize), want(kDriverSettingsSize);
  for (size_t i = 0; i < block.size(); ++i) block[i] = want[i] = Pattern(i);
  ApplyOpenDefaults(block.data());
  const std::pair<size_t, uint8_t> written[] = {
      {40, 13},  {41, 0},    {42, 0},    {43, 0},    {44, 2},    {45, 0},  {136, 0}, {137, 0},  {138, 0},
      {139, 0},  {304, 1},   {305, 0},   {306, 0},   {307, 0},   {309, 1}, {325, 0}, {327, 0},  {336, 0},
      {337, 0},  {342, 0xE8}, {343, 0x03}, {1362, 0}, {1363, 0}, {1548, 66}, {1549, 0}, {1552, 0}, {1553, 0}};
  for (const auto& [offset, value] : written) {
    ASSERT_NE(want[offset], value) << "the pattern must show a write at offset " << offset;
    want[offset] = value;
  }
  EXPECT_EQ(block, want);
  EXPECT_EQ(OpenFailureText(std::string(127, 'n').c_str()), "Unable to Open Printer Driver " + std::string(96, 'n') + "!");
  for (const auto& [metric, x] : {std::pair<uint8_t, int32_t>{0, 4000}, {1, 3937}, {0x80, 3937}}) {
    PutU8(block.data(), settings_offset::metricUnits, metric);
    EXPECT_EQ(SampleOriginFromSettings(block.data()).x, x) << int(metric);
    EXPECT_EQ(SampleOriginFromSettings(block.data()).y, 0);
  }
}

TEST(OpenSettings, EachPathShowsItsMessageAndReleasesWhatItHeld) {
  const std::string opened = "Open Engraver|Size|", read = opened + "Allocate 1564|Read",
                    mismatch = opened + "Message [DRIVER DATA MISMATCH ERROR\nPlease reinstall the driver.] [WARNING]|Close";
  struct Case {
    const char* name;
    const char* device;
    int32_t size, read;
    bool noMemory;
    std::string calls;
  };
  const Case cases[] = {
      {"read", "Engraver", 1564, 1, false, read + "|Free|Close"},
      {"read returns 0", "Engraver", 1564, 0, false, read + "|Free|Close"},
      {"no printer", "Other", 1564, 1, false, "Open Other|Message [Unable to Open Printer Driver Other!] [QEX]"},
      {"one byte short", "Engraver", 1563, 1, false, mismatch},
      {"one byte long", "Engraver", 1565, 1, false, mismatch},
      {"size query failed", "Engraver", -1, 1, false, mismatch},
      {"no memory", "Engraver", 1564, 1, true, opened + "Allocate 1564|Message [DocumentProperties() Fails] [Driver Error]|Close"},
      {"read failed", "Engraver", 1564, -1, false, read + "|Message [DocumentProperties() Fails] [Driver Error]|Free|Close"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Recorder r;
    r.size = c.size;
    r.read = c.read;
    r.noMemory = c.noMemory;
    const OpenedSettings result = OpenDriverSettings(c.device, r, r, r);
    EXPECT_EQ(result.block != nullptr, c.calls.find("Message") == std::string::npos);
    if (result.block) {
      EXPECT_EQ(result.block, r.storage.data());
      EXPECT_EQ(result.printer, &r);
      EXPECT_EQ(GetU16(result.block, 342), 1000);
      EXPECT_EQ(GetU8(result.block, settings_offset::hashPacket), Pattern(settings_offset::hashPacket));
    } else {
      EXPECT_EQ(result.printer, nullptr);
    }
    CloseDriverSettings(r, r, result.printer, result.block);
    EXPECT_EQ(r.calls, c.calls);
  }
}
