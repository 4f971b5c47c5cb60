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

struct Recorder : Spooler, SettingsMemory, UserMessages {
  std::string printerName = "Engraver on LPT1:";
  int32_t reportedSize = static_cast<int32_t>(kDriverSettingsSize);
  int32_t readResult = 1;
  bool memoryFails = false;
  std::vector<std::string> calls;
  std::vector<uint8_t> storage = std::vector<uint8_t>(kDriverSettingsSize);
  int printerToken = 0;
  int focusCount = 0;

  PrinterHandle Open(const char* deviceName) override {
    calls.push_back(std::string("Open ") + deviceName);
    return printerName == deviceName ? &printerToken : nullptr;
  }
  int32_t QuerySettingsSize(OwnerWindow owner, PrinterHandle printer, const char* deviceName) override {
    calls.push_back("Size " + Owner(owner) + Printer(printer) + " " + deviceName);
    return reportedSize;
  }
  int32_t ReadSettings(OwnerWindow owner, PrinterHandle printer, const char*, uint8_t* block) override {
    calls.push_back("Read " + Owner(owner) + Printer(printer) + (block == storage.data() ? " block" : " ?"));
    for (size_t i = 0; i < kDriverSettingsSize; ++i) block[i] = Pattern(i);
    return readResult;
  }
  void Close(PrinterHandle printer) override { calls.push_back("Close" + Printer(printer)); }
  uint8_t* Allocate(size_t size) override {
    calls.push_back("Allocate " + std::to_string(size));
    return memoryFails ? nullptr : storage.data();
  }
  void Free(uint8_t* block) override { calls.push_back(block == storage.data() ? "Free block" : "Free ?"); }
  OwnerWindow FocusWindow() override { return reinterpret_cast<OwnerWindow>(static_cast<uintptr_t>(++focusCount)); }
  void ShowError(OwnerWindow owner, const char* text, const char* caption) override {
    calls.push_back("Message " + Owner(owner) + " [" + text + "] [" + caption + "]");
  }

  std::string Owner(OwnerWindow owner) { return "owner" + std::to_string(reinterpret_cast<uintptr_t>(owner)); }
  std::string Printer(PrinterHandle printer) { return printer == &printerToken ? " printer" : " ?"; }
};

}  // namespace

TEST(OpenSettings, FixedValuesChangeExactlyTheirBytes) {
  std::vector<uint8_t> block(kDriverSettingsSize);
  for (size_t i = 0; i < block.size(); ++i) block[i] = Pattern(i);
  ApplyOpenDefaults(block.data());
  // Offset -> value for every byte that the open writes, little-endian.
  const std::vector<std::pair<size_t, uint8_t>> expected = {
      {40, 13},  {41, 0},  {42, 0},  {43, 0},  {44, 2},    {45, 0},   {136, 0},  {137, 0},  {138, 0},
      {139, 0},  {304, 1}, {305, 0}, {306, 0}, {307, 0},   {309, 1},  {325, 0},  {327, 0},  {336, 0},
      {337, 0},  {342, 0xE8}, {343, 0x03}, {1362, 0}, {1363, 0}, {1548, 66}, {1549, 0}, {1552, 0}, {1553, 0}};
  std::vector<uint8_t> want(kDriverSettingsSize);
  for (size_t i = 0; i < want.size(); ++i) want[i] = Pattern(i);
  for (const auto& [offset, value] : expected) {
    ASSERT_NE(want[offset], value) << "the pattern must show a write at offset " << offset;
    want[offset] = value;
  }
  for (size_t i = 0; i < block.size(); ++i) EXPECT_EQ(block[i], want[i]) << "offset " << i;
  EXPECT_EQ(GetU32(block.data(), settings_offset::dmFields), 13u);
  EXPECT_EQ(GetI16(block.data(), settings_offset::dmOrientation), 2);
}

TEST(OpenSettings, SuccessReturnsTheBlockWithFixedValuesAndThePrinter) {
  Recorder r;
  const OpenedSettings opened = OpenDriverSettings("Engraver on LPT1:", r, r, r);
  ASSERT_EQ(opened.block, r.storage.data());
  EXPECT_EQ(opened.printer, &r.printerToken);
  const std::vector<std::string> want = {"Open Engraver on LPT1:", "Size owner1 printer Engraver on LPT1:",
                                         "Allocate 1564", "Read owner2 printer block"};
  EXPECT_EQ(r.calls, want);
  EXPECT_EQ(GetU8(opened.block, 304), 1);
  EXPECT_EQ(GetU16(opened.block, 342), 1000);
  EXPECT_EQ(GetU8(opened.block, settings_offset::metricUnits), Pattern(settings_offset::metricUnits));
  EXPECT_EQ(GetU8(opened.block, settings_offset::hashPacket), Pattern(settings_offset::hashPacket));

  r.calls.clear();
  CloseDriverSettings(r, r, opened.printer, opened.block);
  EXPECT_EQ(r.calls, (std::vector<std::string>{"Free block", "Close printer"}));
}

TEST(OpenSettings, EachFailureShowsItsMessageAndReleasesWhatItHeld) {
  struct Case {
    const char* name;
    const char* device;
    int32_t size;
    int32_t read;
    bool memoryFails;
    std::vector<std::string> calls;
  };
  const std::string mismatch = "Message owner2 [DRIVER DATA MISMATCH ERROR\nPlease reinstall the driver.] [WARNING]";
  const Case cases[] = {
      {"no printer", "Other", 1564, 1, false,
       {"Open Other", "Message owner1 [Unable to Open Printer Driver Other!] [QEX]"}},
      {"one byte short", "Engraver on LPT1:", 1563, 1, false,
       {"Open Engraver on LPT1:", "Size owner1 printer Engraver on LPT1:", mismatch, "Close printer"}},
      {"one byte long", "Engraver on LPT1:", 1565, 1, false,
       {"Open Engraver on LPT1:", "Size owner1 printer Engraver on LPT1:", mismatch, "Close printer"}},
      {"size query failed", "Engraver on LPT1:", -1, 1, false,
       {"Open Engraver on LPT1:", "Size owner1 printer Engraver on LPT1:", mismatch, "Close printer"}},
      {"no memory", "Engraver on LPT1:", 1564, 1, true,
       {"Open Engraver on LPT1:", "Size owner1 printer Engraver on LPT1:", "Allocate 1564",
        "Message owner2 [DocumentProperties() Fails] [Driver Error]", "Close printer"}},
      {"read failed", "Engraver on LPT1:", 1564, -1, false,
       {"Open Engraver on LPT1:", "Size owner1 printer Engraver on LPT1:", "Allocate 1564",
        "Read owner2 printer block", "Message owner3 [DocumentProperties() Fails] [Driver Error]", "Free block",
        "Close printer"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Recorder r;
    r.reportedSize = c.size;
    r.readResult = c.read;
    r.memoryFails = c.memoryFails;
    const OpenedSettings opened = OpenDriverSettings(c.device, r, r, r);
    EXPECT_EQ(opened.block, nullptr);
    EXPECT_EQ(opened.printer, nullptr);
    EXPECT_EQ(r.calls, c.calls);
  }
}

TEST(OpenSettings, ReadResultOfZeroIsSuccess) {
  Recorder r;
  r.readResult = 0;
  EXPECT_NE(OpenDriverSettings("Engraver on LPT1:", r, r, r).block, nullptr);
}

TEST(OpenSettings, CloseWithNothingDoesNothing) {
  Recorder r;
  CloseDriverSettings(r, r, nullptr, nullptr);
  EXPECT_TRUE(r.calls.empty());
  CloseDriverSettings(r, r, &r.printerToken, nullptr);
  EXPECT_EQ(r.calls, std::vector<std::string>{"Close printer"});
}

TEST(OpenSettings, LongDeviceNamesAreShortenedInTheMessage) {
  const std::string name(127, 'n');
  const std::string text = OpenFailureText(name.c_str());
  EXPECT_EQ(text.size(), 127u);
  EXPECT_EQ(text, "Unable to Open Printer Driver " + std::string(96, 'n') + "!");
  EXPECT_EQ(OpenFailureText("Engraver on LPT1:"), "Unable to Open Printer Driver Engraver on LPT1:!");
}

TEST(OpenSettings, SampleOriginFollowsTheMetricFlag) {
  std::vector<uint8_t> block(kDriverSettingsSize, 0xFF);
  for (const auto& [metric, x] : {std::pair<uint8_t, int32_t>{0, 4000}, {1, 3937}, {0x80, 3937}}) {
    PutU8(block.data(), settings_offset::metricUnits, metric);
    const SampleOrigin origin = SampleOriginFromSettings(block.data());
    EXPECT_EQ(origin.x, x) << int(metric);
    EXPECT_EQ(origin.y, 0);
  }
}
