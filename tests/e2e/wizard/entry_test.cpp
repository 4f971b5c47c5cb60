// The wizard's entry and run sequence against the simulated driver: second copy, about
// box, the three driver messages, the caller's window, and LASER.INI after Cancel.
#include <gtest/gtest.h>

#include "tests/e2e/support/host_window.h"
#include "tests/e2e/support/process.h"
#include "tests/e2e/support/version_info.h"
#include "tests/e2e/support/wizard_sim.h"

namespace {

const DWORD kTimeout = 15000;
const char kPrinter[] = "Engraver on LPT1:";
const RECT kHostArea = {40, 40, 240, 160};
const char kHostPoint[] = "90 80 0 0";

// Polls until the button is enabled, then presses it; an operator cannot press a disabled one.
bool PressEnabledButton(HWND dialog, int id) {
  const DWORD start = GetTickCount();
  while (!IsWindowEnabled(GetDlgItem(dialog, id))) {
    if (GetTickCount() - start > kTimeout) return false;
    Sleep(10);
  }
  ClickButton(dialog, id);
  return true;
}

class WizardEntry : public testing::Test {
 protected:
  void SetUp() override { DeleteFileA(LaserIniPath().c_str()); }
  void TearDown() override { DeleteFileA(LaserIniPath().c_str()); }
};

// Reads the one message box of `wizard`, checks it, closes it and expects exit code 0.
void ExpectMessageBox(TestProcess& wizard, const std::string& text, const std::string& caption) {
  HWND box = WaitForWindow(wizard.pid(), "#32770", kTimeout);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WindowText(box), caption);
  EXPECT_EQ(ItemText(box, 0xFFFF), text);
  ClickButton(box, IDOK);
  EXPECT_EQ(wizard.Wait(kTimeout), 0u);
}

}  // namespace

TEST_F(WizardEntry, AboutBoxForEveryOtherFirstWord) {
  EXPECT_EQ(VersionLines(ProgramPath("QexWiz.exe")), "QEXWIZ\nVersion 1.21");
  for (const char* arguments : {"", "-MT [a] [b] 1 2 3 4", "-mtx [a] [b] 1 2 3 4", "/mt [a] [b] 1 2 3 4"}) {
    SCOPED_TRACE(std::string("arguments: [") + arguments + "]");
    TestProcess wizard(ProgramPath("QexWiz.exe"), arguments);
    ExpectMessageBox(wizard, "QEXWIZ\nVersion 1.21\nCopyright (C) QEX Laser Systems", "QEX Wizard");
  }
}

TEST_F(WizardEntry, SecondCopyExitsAtOnceWithMinusOne) {
  TestProcess first(ProgramPath("QexWiz.exe"), "");
  HWND about = WaitForWindow(first.pid(), "#32770", kTimeout);
  ASSERT_NE(about, nullptr);
  TestProcess second(ProgramPath("QexWizSim.exe"), std::string("-mt [") + kPrinter + "] [Wood] 1 2 3 4");
  EXPECT_EQ(second.Wait(kTimeout), static_cast<DWORD>(-1));
  TestProcess third(ProgramPath("QexWiz.exe"), "");
  EXPECT_EQ(third.Wait(kTimeout), static_cast<DWORD>(-1));
  EXPECT_TRUE(TopLevelWindows(second.pid(), "#32770").empty());
  ClickButton(about, IDOK);
  EXPECT_EQ(first.Wait(kTimeout), 0u);
  EXPECT_EQ(ReadTextFile(LaserIniPath()), "");
}

TEST_F(WizardEntry, DriverFailuresShowTheirMessageWithTheCallerDisabled) {
  struct Case {
    const char* name;
    const char* device;
    size_t blockSize;
    const char* failures;
    const char* text;
    const char* caption;
  };
  const Case cases[] = {
      {"no such printer", "Other Engraver", 1564, "", "Unable to Open Printer Driver Other Engraver!", "QEX"},
      {"block one byte short", kPrinter, 1563, "", "DRIVER DATA MISMATCH ERROR\nPlease reinstall the driver.",
       "WARNING"},
      {"block one byte long", kPrinter, 1565, "", "DRIVER DATA MISMATCH ERROR\nPlease reinstall the driver.",
       "WARNING"},
      {"read fails", kPrinter, 1564, "docprops", "DocumentProperties() Fails", "Driver Error"},
  };
  const std::string before = "[Wood]\r\nLaserTweakPower1=250\r\n";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SimDriver driver(kPrinter);
    std::vector<uint8_t> block = DriverBlock(100, false);
    block.resize(c.blockSize);
    driver.WriteSettings(block);
    driver.SetFailures(c.failures);
    WriteTextFile(LaserIniPath(), before);
    HostWindow host(kHostArea);
    TestProcess wizard(ProgramPath("QexWizSim.exe"),
                       std::string("-mt [") + c.device + "] [Wood] " + kHostPoint);
    HWND box = WaitForWindow(wizard.pid(), "#32770", kTimeout);
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(IsWindowEnabled(host.get()));
    ExpectMessageBox(wizard, c.text, c.caption);
    EXPECT_TRUE(host.WaitEnabled(true, kTimeout));
    EXPECT_EQ(ReadTextFile(LaserIniPath()), before);
    EXPECT_TRUE(driver.LogLines().empty());
  }
}

TEST_F(WizardEntry, CancelOnTheFirstPageSavesAllFiveKeys) {
  SimDriver driver(kPrinter);
  driver.WriteSettings(DriverBlock(3, true));
  // Out of range, a percent that does not survive the speed scale, and the second power.
  WriteTextFile(LaserIniPath(),
                "[Wood 3 mm]\r\nLaserTweakPower1=300\r\nLaserTweakPower2=700\r\nLaserTweakSpeed=50\r\n"
                "LLTweak=-11\r\nMechTweak=3\r\n");
  HostWindow host(kHostArea);
  TestProcess wizard(ProgramPath("QexWizSim.exe"), std::string("-mt [") + kPrinter + "] [Wood 3 mm] " + kHostPoint);
  HWND sheet = WaitForWindow(wizard.pid(), "#32770", kTimeout);
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(GetWindow(sheet, GW_OWNER), host.get());
  EXPECT_FALSE(IsWindowEnabled(host.get()));
  ASSERT_TRUE(PressEnabledButton(sheet, IDCANCEL));
  EXPECT_EQ(wizard.Wait(kTimeout), 0u);
  EXPECT_TRUE(host.WaitEnabled(true, kTimeout));
  EXPECT_EQ(IniValue("Wood 3 mm", "LaserTweakPower1"), "300");
  EXPECT_EQ(IniValue("Wood 3 mm", "LaserTweakPower2"), "300");
  EXPECT_EQ(IniValue("Wood 3 mm", "LaserTweakSpeed"), "33");
  EXPECT_EQ(IniValue("Wood 3 mm", "LLTweak"), "0");
  EXPECT_EQ(IniValue("Wood 3 mm", "MechTweak"), "3");
}

TEST_F(WizardEntry, WithoutAPointNothingIsDisabledAndTheSheetHasNoOwner) {
  SimDriver driver(kPrinter);
  driver.WriteSettings(DriverBlock(1234, false));
  HostWindow host(kHostArea);
  TestProcess wizard(ProgramPath("QexWizSim.exe"), std::string("-mt [") + kPrinter + "] [Acrylic] 90");
  HWND sheet = WaitForWindow(wizard.pid(), "#32770", kTimeout);
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(GetWindow(sheet, GW_OWNER), nullptr);
  EXPECT_TRUE(IsWindowEnabled(host.get()));
  ASSERT_TRUE(PressEnabledButton(sheet, IDCANCEL));
  EXPECT_EQ(wizard.Wait(kTimeout), 0u);
  EXPECT_EQ(IniValue("Acrylic", "LaserTweakPower1"), "400");
  EXPECT_EQ(IniValue("Acrylic", "LaserTweakPower2"), "400");
  EXPECT_EQ(IniValue("Acrylic", "LaserTweakSpeed"), "100");
  EXPECT_EQ(IniValue("Acrylic", "LLTweak"), "0");
  EXPECT_EQ(IniValue("Acrylic", "MechTweak"), "0");
}
