// The five wizard pages in the real property sheet, driven through messages against the
// simulated driver: buttons, texts, pictures, the power and speed boxes, the test job in
// the driver's log, the letter, and LASER.INI after Finish and Cancel.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/support/process.h"
#include "tests/e2e/support/wizard_sheet.h"
#include "tests/e2e/support/wizard_sim.h"
#include "wizard/core/driver_settings.h"
#include "wizard/resources/resource_ids.h"

namespace {

const DWORD kTimeout = 15000;
const char kPrinter[] = "Engraver on LPT1:";
const char kSection[] = "Birch 4 mm";

std::string Hex(const std::vector<uint8_t>& bytes) {
  static const char kDigits[] = "0123456789abcdef";
  std::string text;
  for (uint8_t b : bytes) {
    text += kDigits[b >> 4];
    text += kDigits[b & 15];
  }
  return text;
}

// Every control of the page, shown or hidden, lies inside the page: nothing is cut off.
testing::AssertionResult ControlsFit(HWND page) {
  RECT client{};
  GetClientRect(page, &client);
  for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
    if (r.left < 0 || r.top < 0 || r.right > client.right || r.bottom > client.bottom) {
      return testing::AssertionFailure() << "control " << GetDlgCtrlID(child) << " reaches " << r.right << ","
                                         << r.bottom << " in a page of " << client.right << "x" << client.bottom;
    }
  }
  return testing::AssertionSuccess();
}

// Page 2 asks for the distance in the settings' units and shows only the matching picture.
void ExpectPlacePage(HWND page, bool metric) {
  EXPECT_EQ(ItemText(page, IDC_PLACE_TEXT), std::string("Next, place the sample material flush against the top ruler and ") +
                                                (metric ? "10 cm" : "4 inches") +
                                                " from the left ruler, as shown below.");
  EXPECT_EQ(IsWindowVisible(GetDlgItem(page, IDC_PICTURE_CM)) != FALSE, metric);
  EXPECT_EQ(IsWindowVisible(GetDlgItem(page, IDC_PICTURE_INCH)) != FALSE, !metric);
  EXPECT_TRUE(ControlsFit(page));
  SaveWindowShot(GetParent(page), metric ? "wizard_page2_metric.bmp" : "wizard_page2_inch.bmp");
}

class WizardPages : public testing::Test {
 protected:
  void SetUp() override { DeleteFileA(LaserIniPath().c_str()); }
  void TearDown() override { DeleteFileA(LaserIniPath().c_str()); }

  // Starts the wizard with the block and the section's text; waits for the sheet.
  void Start(const std::vector<uint8_t>& block, const std::string& ini) {
    driver_.WriteSettings(block);
    WriteTextFile(LaserIniPath(), "[" + std::string(kSection) + "]\r\n" + ini);
    wizard_ = std::make_unique<TestProcess>(ProgramPath("QexWizSim.exe"),
                                            "-mt [" + std::string(kPrinter) + "] [" + kSection + "] 1 1 0 0");
    sheet_ = WaitForWindow(wizard_->pid(), "#32770", kTimeout);
    ASSERT_NE(sheet_, nullptr);
  }
  // Presses a sheet button and waits for the page that holds `controlId`.
  HWND Go(int button, int controlId) {
    EXPECT_TRUE(PressSheetButton(sheet_, button, kTimeout));
    HWND page = WaitForPage(sheet_, controlId, kTimeout);
    EXPECT_NE(page, nullptr);
    return page;
  }
  // Waits until the posted button change has been carried out.
  void ExpectButtons(const std::string& offered) {
    EXPECT_TRUE(WaitUntil([&] { return OfferedButtons(sheet_) == offered; }, kTimeout))
        << "offered: " << OfferedButtons(sheet_);
  }
  // Waits for the boxes of page 3 to be filled after the page was created.
  static bool WaitFilled(HWND page) {
    return WaitUntil([&] { return IsWindowVisible(GetDlgItem(page, IDC_SPEED)) && !ItemText(page, IDC_SPEED).empty(); },
                     kTimeout);
  }
  // Waits for page 4 to finish sending; true when Cancel was seen disabled during the job
  // and enabled again after it.
  bool WaitSent(HWND page) {
    HWND cancel = GetDlgItem(sheet_, IDCANCEL);
    HWND progress = GetDlgItem(page, IDC_PROGRESS);
    bool disabledWhileSending = false;
    bool sent = false;
    // The job takes a few milliseconds: watch without sleeping so as not to miss it.
    for (const DWORD start = GetTickCount(); !sent && GetTickCount() - start < kTimeout; SwitchToThread()) {
      const bool sending = IsWindowVisible(progress);
      if (sending && !IsWindowEnabled(cancel)) disabledWhileSending = true;
      sent = !sending && IsWindowVisible(GetDlgItem(page, IDC_START_TEXT));
    }
    EXPECT_TRUE(sent);
    EXPECT_TRUE(IsWindowEnabled(cancel));
    return disabledWhileSending;
  }
  int JobsInLog() const {
    int jobs = 0;
    for (const std::string& line : driver_.LogLines()) jobs += line == "StartDoc MechanicalAlign";
    return jobs;
  }
  void Finish(int button) {
    ASSERT_TRUE(PressSheetButton(sheet_, button, kTimeout));
    EXPECT_EQ(wizard_->Wait(kTimeout), 0u);
  }

  SimDriver driver_{kPrinter};
  std::unique_ptr<TestProcess> wizard_;
  HWND sheet_ = nullptr;
};

std::vector<uint8_t> Block(bool metric) {
  std::vector<uint8_t> block = DriverBlock(1000, metric);
  PutU8(block.data(), settings_offset::hashPacket, 1);
  PutU8(block.data(), settings_offset::speedFactor, 3);
  PutU16(block.data(), settings_offset::xResolution, 333);
  PutU16(block.data(), 1542, 7);
  return block;
}

// The job as the simulated driver logs it with power 55 %, speed 370 and line lag -2.
std::vector<std::string> ExpectedJob() {
  std::vector<uint8_t> block = Block(false);
  uint8_t* b = block.data();
  ApplyOpenDefaults(b);
  PutU16(b, settings_offset::xResolution, 1000);
  PutU16(b, settings_offset::yResolution, 1000);
  PutU16(b, settings_offset::jobPower, 550);
  PutU16(b, settings_offset::jobSpeed, 370);
  PutU16(b, 1542, 1);
  PutU16(b, settings_offset::jobLineLag, static_cast<uint16_t>(-2));
  std::vector<std::string> job = {std::string("CreateDC ") + kPrinter + " " + Hex(block),
                                  "StartDoc MechanicalAlign",
                                  "Escape 19 04001b236400",
                                  "Escape 19 04001b7044c0" + std::string(28, '0'),
                                  "Escape 19 12001b54000200172e465d748cafd2f5ffffccb2",
                                  "StartPage",
                                  "BitBlt 5000 420 1827 110 00cc0020 1827x110",
                                  "EndPage",
                                  "Escape 19 02001a57",
                                  "StartPage"};
  const int barsW[] = {66, 148, 231, 313, 395, 477, 577, 671, 752, 837, 927,
                       1003, 1089, 1177, 1266, 1343, 1427, 1521, 1612, 1688, 1777};
  for (int i = 0; i < 21; ++i) job.push_back("BitBlt " + std::to_string(5000 + barsW[i]) + " 550 10 62 00000042 0x0");
  job.insert(job.end(), {"EndPage", "Escape 19 02001a45", "StartPage"});
  for (int i = 0; i < 21; ++i)
    job.push_back("BitBlt " + std::to_string(5000 + barsW[i] + i - 10) + " 598 10 62 00000042 0x0");
  job.insert(job.end(), {"EndPage", "EndDoc", "DeleteDC"});
  return job;
}

TEST_F(WizardPages, WalkThroughAllPagesAndFinish) {
  Start(Block(false), "LaserTweakPower1=455\r\nLaserTweakSpeed=100\r\nLLTweak=-2\r\nMechTweak=-10\r\n");

  HWND page = WaitForPage(sheet_, IDC_FOCUS_TEXT, kTimeout);
  ASSERT_NE(page, nullptr);
  ExpectButtons("Next Cancel");
  EXPECT_EQ(ItemText(page, IDC_FOCUS_TEXT),
            "First, focus the lens to a sample of the material, using the focus tool.");
  EXPECT_TRUE(ControlsFit(page));
  SaveWindowShot(sheet_, "wizard_page1_focus.bmp");

  page = Go(kSheetNext, IDC_PLACE_TEXT);
  ExpectButtons("Back Next Cancel");
  ExpectPlacePage(page, false);

  page = Go(kSheetNext, IDC_POWER);
  ExpectButtons("Back Next Cancel");
  ASSERT_TRUE(WaitFilled(page));
  EXPECT_EQ(ItemText(page, IDC_POWER), "45%");
  EXPECT_EQ(ItemText(page, IDC_SPEED), "100%");
  EXPECT_TRUE(ControlsFit(page));
  SaveWindowShot(sheet_, "wizard_page3_power.bmp");

  struct Step {
    int box;      // a box to type into and leave, or an arrow to click
    const char* text;
    int code;
    const char* shown;
  };
  const Step steps[] = {
      {IDC_POWER, "95", 0, "80%"},       {IDC_POWER_ARROWS, nullptr, SB_LINEUP, "81%"},
      {IDC_POWER_ARROWS, nullptr, SB_LINEUP, "81%"}, {IDC_POWER, "5", 0, "20%"},
      {IDC_POWER_ARROWS, nullptr, SB_LINEDOWN, "19%"}, {IDC_POWER, "kW", 0, "20%"},
      {IDC_POWER_ARROWS, nullptr, SB_ENDSCROLL, "20%"}, {IDC_SPEED, "150", 0, "100%"},
      {IDC_SPEED_ARROWS, nullptr, SB_LINEUP, "100%"}, {IDC_SPEED, "-4", 0, "0%"},
      {IDC_SPEED_ARROWS, nullptr, SB_LINEDOWN, "0%"}, {IDC_SPEED_ARROWS, nullptr, SB_LINEUP, "1%"},
      {IDC_POWER, "55", 0, "55%"},       {IDC_SPEED, "37", 0, "37%"},
  };
  for (const Step& s : steps) {
    const int box = s.box == IDC_POWER_ARROWS ? IDC_POWER : s.box == IDC_SPEED_ARROWS ? IDC_SPEED : s.box;
    if (s.text) {
      TypeAndLeave(page, s.box, s.text);
    } else {
      ClickArrow(page, s.box, s.code);
    }
    EXPECT_EQ(ItemText(page, box), s.shown) << (s.text ? s.text : "arrow") << " " << s.code;
  }
  // Back and Next again: the boxes keep their text.
  Go(kSheetBack, IDC_PLACE_TEXT);
  page = Go(kSheetNext, IDC_POWER);
  EXPECT_EQ(ItemText(page, IDC_POWER), "55%");
  EXPECT_EQ(ItemText(page, IDC_SPEED), "37%");

  page = Go(kSheetNext, IDC_PROGRESS);
  EXPECT_TRUE(WaitSent(page)) << "Cancel was not disabled while the job was sent";
  ExpectButtons("Back Next Cancel");
  EXPECT_EQ(ItemText(page, IDC_SENDING_TEXT), "File Sent.");
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(page, IDC_PICK_FILE_TEXT)));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, IDC_PROGRESS)));
  EXPECT_EQ(driver_.LogLines(), ExpectedJob());
  EXPECT_TRUE(ControlsFit(page));
  SaveWindowShot(sheet_, "wizard_page4_sent.bmp");

  page = Go(kSheetNext, IDC_LETTER);
  ExpectButtons("Back Finish Cancel");
  EXPECT_TRUE(WaitUntil([&] { return ItemText(page, IDC_LETTER) == "A"; }, kTimeout));
  EXPECT_TRUE(ControlsFit(page));
  SaveWindowShot(sheet_, "wizard_page5_letter.bmp");
  const std::pair<const char*, const char*> letters[] = {{"k", "K"}, {"V", "K"}, {"7", "K"}, {"", "K"}, {"t", "T"}};
  for (const auto& [typed, shown] : letters) {
    TypeAndLeave(page, IDC_LETTER, typed);
    EXPECT_EQ(ItemText(page, IDC_LETTER), shown) << typed;
  }

  // Back to page 4 sends the job again.
  page = Go(kSheetBack, IDC_PROGRESS);
  WaitSent(page);
  EXPECT_EQ(JobsInLog(), 2);
  page = Go(kSheetNext, IDC_LETTER);
  EXPECT_TRUE(WaitUntil([&] { return ItemText(page, IDC_LETTER) == "T"; }, kTimeout));
  // A letter typed but never left is read by Finish.
  SendMessageA(GetDlgItem(page, IDC_LETTER), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("c"));
  Finish(kSheetFinish);
  EXPECT_EQ(IniValue(kSection, "LaserTweakPower1"), "550");
  EXPECT_EQ(IniValue(kSection, "LaserTweakPower2"), "550");
  EXPECT_EQ(IniValue(kSection, "LaserTweakSpeed"), "37");
  EXPECT_EQ(IniValue(kSection, "LLTweak"), "-2");
  EXPECT_EQ(IniValue(kSection, "MechTweak"), "-8");
}

TEST_F(WizardPages, MetricSettingsAskForTenCentimetres) {
  Start(Block(true), "");
  Go(kSheetNext, IDC_PLACE_TEXT);
  HWND page = CurrentPage(sheet_);
  ExpectPlacePage(page, true);
  Finish(IDCANCEL);
}

TEST_F(WizardPages, BackFromPowerStoresNothingAndNextStoresBoth) {
  for (const bool next : {false, true}) {
    SCOPED_TRACE(next ? "Next" : "Back");
    Start(Block(false), "LaserTweakPower1=1000\r\nLaserTweakSpeed=50\r\nMechTweak=4\r\n");
    Go(kSheetNext, IDC_PLACE_TEXT);
    HWND page = Go(kSheetNext, IDC_POWER);
    ASSERT_TRUE(WaitFilled(page));
    EXPECT_EQ(ItemText(page, IDC_POWER), "100%");
    TypeAndLeave(page, IDC_SPEED, "64");
    // Cancel is swallowed on this page's own command path; the sheet's button still closes.
    SendMessageA(page, WM_COMMAND, IDCANCEL, 0);
    if (next) {
      page = Go(kSheetNext, IDC_PROGRESS);
      WaitSent(page);
    } else {
      Go(kSheetBack, IDC_PLACE_TEXT);
    }
    Finish(IDCANCEL);
    // The untouched power box (100%) is read as 80 % on Next.
    EXPECT_EQ(IniValue(kSection, "LaserTweakPower1"), next ? "800" : "1000");
    EXPECT_EQ(IniValue(kSection, "LaserTweakSpeed"), next ? "64" : "50");
    EXPECT_EQ(IniValue(kSection, "MechTweak"), "4");
  }
}

// Timer messages that the job's progress display lets through start no job inside the job.
TEST_F(WizardPages, JobsNeverNest) {
  Start(Block(false), "");
  Go(kSheetNext, IDC_PLACE_TEXT);
  ASSERT_TRUE(WaitFilled(Go(kSheetNext, IDC_POWER)));
  HWND page = Go(kSheetNext, IDC_PROGRESS);
  // The first starts a job; the job's progress display takes the second out of the queue.
  PostMessageA(page, WM_TIMER, 9, 0);
  PostMessageA(page, WM_TIMER, 9, 0);
  ASSERT_TRUE(WaitUntil(
      [&] {
        return JobsInLog() >= 2 && driver_.LogLines().back() == "DeleteDC" &&
               IsWindowEnabled(GetDlgItem(sheet_, IDCANCEL)) && IsWindowVisible(GetDlgItem(page, IDC_START_TEXT));
      },
      kTimeout));
  std::string open;
  for (const std::string& line : driver_.LogLines()) {
    const std::string call = line.substr(0, line.find(' '));
    if (call == "CreateDC") {
      EXPECT_EQ(open, "") << "a job started inside another";
      open = call;
    }
    if (call == "DeleteDC") open.clear();
  }
  Finish(IDCANCEL);
}

}  // namespace
