// QexWiz.exe and QexWizSim.exe (the wizard with the simulated driver of tests/sim) driven
// through messages: second copy, the driver's messages, the caller's window, the five pages'
// buttons, texts, pictures and boxes, the test job in the driver's log, and LASER.INI after
// Finish and Cancel.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <memory>
#include <tuple>

#include "tests/e2e/support.h"
#include "wizard/core/driver_settings.h"
#include "wizard/core/progress_bar.h"
#include "wizard/resources/resource_ids.h"

namespace {

const std::string kPrinter = "Engraver on LPT1:";
const char kSection[] = "Birch 4 mm";

// LASER.INI in the Windows folder, where the profile calls keep it.
const std::string kLaserIni = [] {
  char dir[MAX_PATH] = "";
  GetWindowsDirectoryA(dir, MAX_PATH);
  return std::string(dir) + "\\LASER.INI";
}();

// The five keys of kSection in LASER.INI, blank-separated.
std::string Keys() {
  std::string keys;
  for (const char* key : {"LaserTweakPower1", "LaserTweakPower2", "LaserTweakSpeed", "LLTweak", "MechTweak"}) {
    char value[64] = "";
    GetPrivateProfileStringA(kSection, key, "<missing>", value, sizeof value, kLaserIni.c_str());
    keys += (keys.empty() ? "" : " ") + std::string(value);
  }
  return keys;
}

// Replaces a box's text and tells the page that the box lost the focus.
void TypeAndLeave(HWND page, int box, const char* text) {
  SendDlgItemMessageA(page, box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(box, EN_KILLFOCUS), reinterpret_cast<LPARAM>(GetDlgItem(page, box)));
}

// A settings block whose every byte is 3 (a hash packet, speed factor 3, resolutions the job
// must overwrite) but for maxSpeed and metricUnits.
std::vector<uint8_t> Block(int16_t maxSpeed, bool metric) {
  std::vector<uint8_t> block(kDriverSettingsSize, 3);
  PutU16(block.data(), settings_offset::maxSpeed, static_cast<uint16_t>(maxSpeed));
  PutU8(block.data(), settings_offset::metricUnits, metric);
  return block;
}

class Wizard : public testing::Test {
 protected:
  // Starts QexWizSim.exe for kPrinter in kSection, the point 90,80 in the caller's window, with
  // the simulated driver on `block` and `failures`; waits for the wizard's first window.
  void Start(const std::vector<uint8_t>& block, const char* keys, const char* failures = "") {
    const std::string dir = MakeTempDir("wizsim");
    std::ofstream(dir + "\\settings.bin", std::ios::binary) << std::string(block.begin(), block.end());
    log_ = dir + "\\driver.log";
    progress_ = dir + "\\progress.txt";
    for (const auto& [name, value] : {std::pair<const char*, std::string>{"QEXWIZ_SIM_PRINTER", kPrinter},
                                      {"QEXWIZ_SIM_SETTINGS", dir + "\\settings.bin"},
                                      {"QEXWIZ_SIM_LOG", log_},
                                      {"QEXWIZ_SIM_FAIL", failures},
                                      {"QEXWIZ_SIM_PROGRESS", progress_}})
      SetEnvironmentVariableA(name, value.c_str());
    std::ofstream(kLaserIni, std::ios::binary) << "[" << kSection << "]\r\n" << keys;
    const std::string arguments = "-mt [" + kPrinter + "] [" + kSection + "] 90 80 0 0";
    wizard_ = std::make_unique<ChildProcess>(ProgramPath("QexWizSim.exe"), arguments);
    sheet_ = WaitForWindow(wizard_->pid(), "#32770");
    ASSERT_NE(sheet_, nullptr);
  }
  // Waits until the sheet offers (shows and enables) exactly these of "Back Next Finish Cancel".
  bool Offers(const std::string& buttons) {
    return WaitUntil([&] {
      std::string offered;
      for (const auto& [id, name] : {std::pair<int, const char*>{IDC_SHEET_BACK, "Back "},
                                     {IDC_SHEET_NEXT, "Next "},
                                     {IDC_SHEET_FINISH, "Finish "},
                                     {IDCANCEL, "Cancel "}})
        if (IsWindowVisible(GetDlgItem(sheet_, id)) && IsWindowEnabled(GetDlgItem(sheet_, id))) offered += name;
      return offered == buttons + " ";
    });
  }
  // Presses the window's button once it is enabled. Without `controlId` the program must then
  // end with 0; with it, waits for the page holding it, expects the buttons it offers and
  // saves its picture.
  HWND Press(int button, int controlId = 0, const char* offered = nullptr, const char* shot = nullptr) {
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(sheet_, button)); })) << button;
    ClickButton(sheet_, button);
    if (!controlId) {
      EXPECT_EQ(wizard_->Wait(kTimeout), 0u);
      return nullptr;
    }
    HWND page = nullptr;
    EXPECT_TRUE(WaitUntil([&] {
      page = reinterpret_cast<HWND>(SendMessageA(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0));
      return GetDlgItem(page, controlId) && IsWindowVisible(page);
    })) << controlId;
    EXPECT_TRUE(!offered || Offers(offered)) << offered;
    if (shot) Shot(shot);
    return page;
  }
  void Shot(const char* name) {
    Sleep(400);  // painting is posted work: give the other process a moment
    RECT area{};
    GetWindowRect(sheet_, &area);
    SaveBmp(CaptureScreen(area), ArtifactPath(name));
  }
  // Page 2 asks for the distance in the settings' units and shows only the matching picture.
  static void ExpectPlacePage(HWND page, bool metric) {
    EXPECT_EQ(ItemText(page, IDC_PLACE_TEXT), std::string("Next, place the sample material flush against the top "
                                                          "ruler and ") +
                                                  (metric ? "10 cm" : "4 inches") +
                                                  " from the left ruler, as shown below.");
    EXPECT_EQ(IsWindowVisible(GetDlgItem(page, IDC_PICTURE_CM)) != FALSE, metric);
    EXPECT_EQ(IsWindowVisible(GetDlgItem(page, IDC_PICTURE_INCH)) != FALSE, !metric);
  }
  // Waits for page 4 to show that its job was sent, with Cancel enabled again.
  void WaitSent(HWND page) {
    EXPECT_TRUE(WaitUntil([&] {
      return !IsWindowVisible(GetDlgItem(page, IDC_PROGRESS)) && IsWindowVisible(GetDlgItem(page, IDC_START_TEXT));
    }));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(sheet_, IDCANCEL)));
  }

  HostWindow host_{0};  // the caller's window, holding the point 90,80
  std::string log_, progress_;
  std::unique_ptr<ChildProcess> wizard_;
  HWND sheet_ = nullptr;
};

// Only the real programs show: the one-copy lock held by a running wizard.
// A second copy started while the about box shows exits with -1.
TEST(WizardEntry, SecondCopy) {
  ChildProcess first(ProgramPath("QexWiz.exe"), "-MT [a] [b] 1 2 3 4");
  HWND about = WaitForWindow(first.pid(), "#32770");
  ASSERT_NE(about, nullptr);
  ChildProcess second(ProgramPath("QexWizSim.exe"), "-mt [" + kPrinter + "] [Wood] 90 80 0 0");
  EXPECT_EQ(second.Wait(kTimeout), static_cast<DWORD>(-1));
  ClickButton(about, IDOK);
  EXPECT_EQ(first.Wait(kTimeout), 0u);
}

// Only the real program shows: the driver error box and the caller's window disabled and freed.
// Which failure shows which message is the settings' unit test; this is one in a real box.
TEST_F(Wizard, DriverFailureShowsItsMessageWithTheCallerDisabled) {
  Start(std::vector<uint8_t>(1564), "LaserTweakPower1=250\r\n", "docprops");
  EXPECT_FALSE(IsWindowEnabled(host_.window()));
  EXPECT_EQ(WindowText(sheet_) + "|" + ItemText(sheet_, 0xFFFF), "Driver Error|DocumentProperties() Fails");
  Press(IDOK);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(host_.window()); }));
  EXPECT_EQ(ReadText(kLaserIni), std::string("[") + kSection + "]\r\nLaserTweakPower1=250\r\n");
  EXPECT_EQ(ReadText(log_), "");
}

// Only the real program shows: the sheet owned by the caller, its buttons, and LASER.INI written on Cancel.
TEST_F(Wizard, CancelOnTheFirstPageSavesAllFiveKeysAndFreesTheCaller) {
  // Out of range, a percent that does not survive the speed scale, and the second power.
  Start(Block(3, true),
        "LaserTweakPower1=300\r\nLaserTweakPower2=700\r\nLaserTweakSpeed=50\r\nLLTweak=-11\r\nMechTweak=3\r\n");
  EXPECT_EQ(GetWindow(sheet_, GW_OWNER), host_.window());
  EXPECT_FALSE(IsWindowEnabled(host_.window()));
  EXPECT_TRUE(Offers("Next Cancel"));
  Shot("wizard_page1_focus.bmp");
  Press(IDCANCEL);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(host_.window()); }));
  EXPECT_EQ(Keys(), "300 300 33 0 3");
}

// Only the real program shows: the pages, boxes, arrows, progress bar, packets sent and LASER.INI on Finish.
// The block of tests/data/e2e/card_settings.bin and job.log, the log that the native qexcard
// wrote (make_files.sh) for the job with power 55 %, speed 37 % and line lag -2 on it, which
// the simulated driver must write line for line.
TEST_F(Wizard, WalkThroughAllPagesAndFinish) {
  const std::vector<uint8_t> block = ReadBytes(SourcePath("tests/data/e2e/card_settings.bin"));
  const std::string job = ReadText(BuildPath("card_log/job.log"));
  ASSERT_TRUE(block == Block(1000, false) && !job.empty()) << "no job log: the e2e_files fixture makes it";
  Start(block, "LaserTweakPower1=455\r\nLaserTweakSpeed=100\r\nLLTweak=-2\r\nMechTweak=-10\r\n");
  ExpectPlacePage(Press(IDC_SHEET_NEXT, IDC_PLACE_TEXT, "Back Next Cancel", "wizard_page2_inch.bmp"), false);
  HWND page = Press(IDC_SHEET_NEXT, IDC_POWER, "Back Next Cancel", "wizard_page3_power.bmp");
  // The boxes are filled after the page was created.
  EXPECT_TRUE(WaitUntil([&] { return ItemText(page, IDC_POWER) + " " + ItemText(page, IDC_SPEED) == "45% 100%"; }));
  // A box and the text typed into it before leaving it, or the code its arrows send; then
  // what the box shows. The clamps and steps themselves are the page fields' unit tests: this
  // shows that each box and each pair of arrows reaches them.
  const std::tuple<int, const char*, int, const char*> steps[] = {
      {IDC_POWER, "95", 0, "80%"}, {IDC_POWER, nullptr, SB_LINEDOWN, "79%"},
      {IDC_SPEED, "-4", 0, "0%"},  {IDC_SPEED, nullptr, SB_LINEUP, "1%"},
      {IDC_POWER, "55", 0, "55%"}, {IDC_SPEED, "37", 0, "37%"}};
  for (const auto& [box, text, code, shown] : steps) {
    if (text) TypeAndLeave(page, box, text);
    HWND arrows = GetDlgItem(page, box == IDC_POWER ? IDC_POWER_ARROWS : IDC_SPEED_ARROWS);
    if (!text) SendMessageA(page, WM_VSCROLL, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(arrows));
    EXPECT_EQ(ItemText(page, box), shown) << (text ? text : "arrow") << " " << code;
  }
  page = Press(IDC_SHEET_NEXT, IDC_PROGRESS);
  // A timer message that the first job's progress lets through defers a second job until the
  // first has ended, instead of starting it inside the first.
  PostMessageA(page, WM_TIMER, 9, 0);
  PostMessageA(page, WM_TIMER, 9, 0);
  EXPECT_TRUE(WaitUntil([&] { return ReadText(log_) == job + job; }));
  WaitSent(page);
  // What each job's page showed after its 20, 60 and 100 % steps, the deferred job's too.
  RECT bar{};
  GetClientRect(GetDlgItem(page, IDC_PROGRESS), &bar);
  std::string sending;
  for (int percent : {20, 60, 100})
    sending += "Cancel disabled, " + std::to_string(ProgressRight(bar.right, percent)) + " of " +
               std::to_string(bar.right) + " blue\n";
  EXPECT_EQ(ReadText(progress_), sending + sending);
  EXPECT_TRUE(Offers("Back Next Cancel"));
  EXPECT_EQ(ItemText(page, IDC_SENDING_TEXT), "File Sent.");
  Shot("wizard_page4_sent.bmp");

  page = Press(IDC_SHEET_NEXT, IDC_LETTER, "Back Finish Cancel", "wizard_page5_letter.bmp");
  EXPECT_TRUE(WaitUntil([&] { return ItemText(page, IDC_LETTER) == "A"; }));
  for (const auto& [typed, shown] : {std::pair<const char*, const char*>{"k", "K"}, {"V", "K"}}) {
    TypeAndLeave(page, IDC_LETTER, typed);
    EXPECT_EQ(ItemText(page, IDC_LETTER), shown) << typed;
  }
  // Back to page 4 sends the job again.
  WaitSent(Press(IDC_SHEET_BACK, IDC_PROGRESS));
  EXPECT_EQ(ReadText(log_), job + job + job);
  page = Press(IDC_SHEET_NEXT, IDC_LETTER);
  // A letter typed and not yet left is saved by Finish.
  SendDlgItemMessageA(page, IDC_LETTER, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("c"));
  Press(IDC_SHEET_FINISH);
  EXPECT_EQ(Keys(), "550 550 37 -2 -8");
}

// Only the real program shows: the metric page 2 and what Back and Next store from page 3.
// Back from page 3 stores nothing, Next stores both boxes; Cancel saves.
TEST_F(Wizard, PowerPageBackAndNextThenCancel) {
  for (const bool next : {false, true}) {
    SCOPED_TRACE(next ? "Next" : "Back");
    Start(Block(1000, true), "LaserTweakPower1=1000\r\nLaserTweakSpeed=50\r\nMechTweak=4\r\n");
    ExpectPlacePage(Press(IDC_SHEET_NEXT, IDC_PLACE_TEXT, nullptr, next ? nullptr : "wizard_page2_metric.bmp"), true);
    HWND page = Press(IDC_SHEET_NEXT, IDC_POWER);
    EXPECT_TRUE(WaitUntil([&] { return ItemText(page, IDC_POWER) + " " + ItemText(page, IDC_SPEED) == "100% 50%"; }));
    TypeAndLeave(page, IDC_SPEED, "64");
    if (next) WaitSent(Press(IDC_SHEET_NEXT, IDC_PROGRESS));
    if (!next) Press(IDC_SHEET_BACK, IDC_PLACE_TEXT);
    Press(IDCANCEL);
    // The untouched power box (100%) is read as 80 % on Next.
    EXPECT_EQ(Keys(), next ? "800 800 64 0 4" : "1000 1000 50 0 4");
  }
}

}  // namespace
