// The simulated driver's contract, which the wizard's end-to-end tests read: the printer
// and settings it offers and the log lines of its print device.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/support/wizard_sim.h"
#include "wizard/core/driver_settings.h"
#include "wizard/win32/driver_access.h"

TEST(SimDriver, OffersOnePrinterAndTheSettingsFile) {
  SimDriver driver("Engraver on LPT1:");
  std::vector<uint8_t> settings(1563, 0x5A);
  driver.WriteSettings(settings);
  Spooler& spooler = TheSpooler();
  EXPECT_EQ(spooler.Open("Other"), nullptr);
  EXPECT_EQ(spooler.Open("engraver on LPT1:"), nullptr);
  PrinterHandle printer = spooler.Open("Engraver on LPT1:");
  ASSERT_NE(printer, nullptr);
  EXPECT_EQ(spooler.QuerySettingsSize(nullptr, printer, "Engraver on LPT1:"), 1563);

  settings = DriverBlock(1234, true);
  driver.WriteSettings(settings);
  EXPECT_EQ(spooler.QuerySettingsSize(nullptr, printer, "Engraver on LPT1:"), 1564);
  std::vector<uint8_t> block(kDriverSettingsSize, 0xEE);
  EXPECT_GE(spooler.ReadSettings(nullptr, printer, "Engraver on LPT1:", block.data()), 0);
  EXPECT_EQ(block, settings);
  driver.SetFailures("startdoc,docprops");
  EXPECT_LT(spooler.ReadSettings(nullptr, printer, "Engraver on LPT1:", block.data()), 0);
  spooler.Close(printer);
}

TEST(SimDriver, LogsEveryCallOfThePrintDevice) {
  SimDriver driver("Engraver");
  driver.SetFailures("startpage2");
  std::vector<uint8_t> settings(kDriverSettingsSize);
  settings[0] = 0xAB;
  settings[kDriverSettingsSize - 1] = 0x01;
  PrintDevice& device = ThePrintDevice();
  device.CreateDC("Engraver", settings.data());
  EXPECT_GT(device.StartDoc("MechanicalAlign"), 0);
  const uint8_t packet[] = {0x04, 0x00, 0x1B, 0x70, 0x32, 0x00};
  device.Escape(19, packet, sizeof packet);
  EXPECT_GT(device.StartPage(), 0);
  device.DrawBitmapResource(103, 5000, 420);
  device.EndPage();
  EXPECT_EQ(device.StartPage(), 0);
  EXPECT_GT(device.StartPage(), 0);
  device.FillBlack(5066, 550, 10, 62);
  device.EndPage();
  device.EndDoc();
  device.DeleteDC();

  const std::vector<std::string> lines = driver.LogLines();
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[0], "CreateDC Engraver ab" + std::string(3124, '0') + "01");
  const std::vector<std::string> rest(lines.begin() + 1, lines.end());
  // This test program has no bitmap 103: the blit has no size.
  const std::vector<std::string> want = {
      "StartDoc MechanicalAlign", "Escape 19 04001b703200", "StartPage", "BitBlt 5000 420 0 0 00cc0020 0x0",
      "EndPage", "StartPage", "StartPage", "BitBlt 5066 550 10 62 00000042 0x0", "EndPage", "EndDoc",
      "DeleteDC"};
  EXPECT_EQ(rest, want);
}

TEST(SimDriver, FailureSwitchesFailTheirCalls) {
  struct Case {
    const char* switches;
    int startDoc;
    std::vector<int> startPages;
  };
  const Case cases[] = {
      {"", 1, {1, 1, 1}},
      {"createdc", 0, {0, 0, 0}},
      {"startdoc", 0, {1, 1, 1}},
      {"startpage1,startpage3", 1, {0, 1, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.switches);
    SimDriver driver("Engraver");
    driver.SetFailures(c.switches);
    PrintDevice& device = ThePrintDevice();
    device.CreateDC("Engraver", DriverBlock(100, false).data());
    EXPECT_EQ(device.StartDoc("MechanicalAlign") > 0, c.startDoc > 0);
    for (size_t page = 0; page < c.startPages.size(); ++page) {
      EXPECT_EQ(device.StartPage() > 0, c.startPages[page] > 0) << "page " << page + 1;
    }
    device.DeleteDC();
    EXPECT_EQ(driver.LogLines().size(), 6u);
  }
}
