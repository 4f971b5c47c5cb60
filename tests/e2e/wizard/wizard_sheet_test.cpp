// QexWiz.exe and QexWizSim.exe (the wizard with the simulated driver of tests/sim) driven
// through messages: second copy, about box, the driver's messages, the caller's window, the
// five pages' buttons, texts, pictures and boxes, the test job in the driver's log, and
// LASER.INI after Finish and Cancel.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <thread>

#include "tests/e2e/support/process.h"
#include "tests/e2e/support/screen.h"
#include "wizard/core/driver_settings.h"
#include "wizard/resources/resource_ids.h"

namespace {

const DWORD kTimeout = 15000;
const std::string kPrinter = "Engraver on LPT1:";
const int kSheetBack = 12323, kSheetNext = 12324, kSheetFinish = 12325;

bool WaitUntil(const std::function<bool()>& condition) {
  for (const DWORD start = GetTickCount(); !condition(); Sleep(5))
    if (GetTickCount() - start > kTimeout) return false;
  return true;
}

std::string ReadTextFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string LaserIni() {
  char dir[MAX_PATH] = "";
  GetWindowsDirectoryA(dir, MAX_PATH);
  return std::string(dir) + "\\LASER.INI";
}

// The five keys of the section in LASER.INI, blank-separated.
std::string Keys(const char* section) {
  std::string keys;
  for (const char* key : {"LaserTweakPower1", "LaserTweakPower2", "LaserTweakSpeed", "LLTweak", "MechTweak"}) {
    char value[64] = "";
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, LaserIni().c_str());
    keys += (keys.empty() ? "" : " ") + std::string(value);
  }
  return keys;
}

// Replaces a box's text and tells the page that the box lost the focus.
void TypeAndLeave(HWND page, int box, const char* text) {
  SendDlgItemMessageA(page, box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(box, EN_KILLFOCUS), reinterpret_cast<LPARAM>(GetDlgItem(page, box)));
}

// Sets the simulated driver's variables for the programs started next: a settings file
// holding `block`, a fresh log, and the failure switches. Returns the log's path.
std::string SetUpSimDriver(const std::vector<uint8_t>& block, const char* failures = "") {
  const std::string dir = MakeTempDir("wizsim");
  std::ofstream(dir + "\\settings.bin", std::ios::binary).write(reinterpret_cast<const char*>(block.data()), block.size());
  SetEnvironmentVariableA("QEXWIZ_SIM_PRINTER", kPrinter.c_str());
  SetEnvironmentVariableA("QEXWIZ_SIM_SETTINGS", (dir + "\\settings.bin").c_str());
  SetEnvironmentVariableA("QEXWIZ_SIM_LOG", (dir + "\\driver.log").c_str());
  SetEnvironmentVariableA("QEXWIZ_SIM_FAIL", failures);
  return dir + "\\driver.log";
}

// The caller's window, holding the point 90,80: a popup with its own thread and message loop,
// so that the wizard can disable, enable and own it while the test thread waits.
class HostWindow {
 public:
  HostWindow() : thread_([this] {
    MSG msg;
    window_ = CreateWindowExA(0, "STATIC", "Caller", WS_POPUP | WS_VISIBLE, 40, 40, 200, 120, 0, 0, 0, 0);
    threadId_ = GetCurrentThreadId();
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    DestroyWindow(window_);
  }) {
    WaitUntil([&] { return threadId_ != 0; });
  }
  ~HostWindow() {
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }
  HWND window_ = nullptr;

 private:
  std::atomic<DWORD> threadId_{0};
  std::thread thread_;
};

// Reads the one message box of `wizard`, checks it, closes it and expects exit code 0.
void ExpectMessageBox(TestProcess& wizard, const char* text, const char* caption) {
  HWND box = WaitForWindow(wizard.pid(), "#32770", kTimeout);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WindowText(box), caption);
  EXPECT_EQ(ItemText(box, 0xFFFF), text);
  ClickButton(box, IDOK);
  EXPECT_EQ(wizard.Wait(kTimeout), 0u);
}

TEST(WizardEntry, AboutBoxAndSecondCopy) {
  TestProcess first(ProgramPath("QexWiz.exe"), "-MT [a] [b] 1 2 3 4");
  ASSERT_NE(WaitForWindow(first.pid(), "#32770", kTimeout), nullptr);
  TestProcess second(ProgramPath("QexWizSim.exe"), "-mt [" + kPrinter + "] [Wood] 90 80 0 0");
  EXPECT_EQ(second.Wait(kTimeout), static_cast<DWORD>(-1));
  ExpectMessageBox(first, "QEXWIZ\nVersion 1.21\nCopyright (C) QEX Laser Systems", "QEX Wizard");
}

TEST(WizardEntry, DriverFailuresShowTheirMessageWithTheCallerDisabled) {
  struct Case {
    const char* device;
    size_t blockSize;
    const char *failures, *text, *caption;
  };
  const Case cases[] = {
      {"Other", 1564, "", "Unable to Open Printer Driver Other!", "QEX"},
      {kPrinter.c_str(), 1563, "", "DRIVER DATA MISMATCH ERROR\nPlease reinstall the driver.", "WARNING"},
      {kPrinter.c_str(), 1564, "docprops", "DocumentProperties() Fails", "Driver Error"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const std::string log = SetUpSimDriver(std::vector<uint8_t>(c.blockSize), c.failures);
    std::ofstream(LaserIni(), std::ios::binary) << "[Wood]\r\nLaserTweakPower1=250\r\n";
    HostWindow host;
    TestProcess wizard(ProgramPath("QexWizSim.exe"), std::string("-mt [") + c.device + "] [Wood] 90 80 0 0");
    ASSERT_TRUE(WaitUntil([&] { return !TopLevelWindows(wizard.pid(), "#32770").empty(); }));
    EXPECT_FALSE(IsWindowEnabled(host.window_));
    ExpectMessageBox(wizard, c.text, c.caption);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(host.window_); }));
    EXPECT_EQ(ReadTextFile(LaserIni()), "[Wood]\r\nLaserTweakPower1=250\r\n");
    EXPECT_EQ(ReadTextFile(log), "");
  }
}

const char kSection[] = "Birch 4 mm";

std::vector<uint8_t> Block(int16_t maxSpeed, bool metric) {
  std::vector<uint8_t> block(kDriverSettingsSize);
  PutU16(block.data(), settings_offset::maxSpeed, static_cast<uint16_t>(maxSpeed));
  PutU8(block.data(), settings_offset::metricUnits, metric);
  PutU8(block.data(), settings_offset::hashPacket, 1);
  PutU8(block.data(), settings_offset::speedFactor, 3);
  PutU16(block.data(), settings_offset::xResolution, 333);
  PutU16(block.data(), settings_offset::jobWord1542, 7);
  return block;
}

class WizardSheet : public testing::Test {
 protected:
  // Starts the wizard on the block and the section's keys; waits for the sheet.
  void Start(const std::vector<uint8_t>& block, const char* keys, HWND caller = nullptr) {
    log_ = SetUpSimDriver(block);
    std::ofstream(LaserIni(), std::ios::binary) << "[" << kSection << "]\r\n" << keys;
    wizard_ = std::make_unique<TestProcess>(ProgramPath("QexWizSim.exe"), "-mt [" + kPrinter + "] [" + kSection + "] " +
                                                                              (caller ? "90 80 0 0" : "1 1 0 0"));
    sheet_ = WaitForWindow(wizard_->pid(), "#32770", kTimeout);
    ASSERT_NE(sheet_, nullptr);
  }
  // Waits until the sheet offers (shows and enables) exactly these of "Back Next Finish Cancel".
  bool Offers(const std::string& buttons) {
    return WaitUntil([&] {
      std::string offered;
      for (const auto& [id, name] : {std::pair<int, const char*>{kSheetBack, "Back "}, {kSheetNext, "Next "},
                                     {kSheetFinish, "Finish "}, {IDCANCEL, "Cancel "}})
        if (IsWindowVisible(GetDlgItem(sheet_, id)) && IsWindowEnabled(GetDlgItem(sheet_, id))) offered += name;
      return offered == buttons + " ";
    });
  }
  // Presses the sheet's button once it is enabled; when `controlId` is given, waits for the
  // page that holds it, expects the buttons it offers and saves its picture.
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
                                                          "ruler and ") + (metric ? "10 cm" : "4 inches") +
                                                  " from the left ruler, as shown below.");
    EXPECT_EQ(IsWindowVisible(GetDlgItem(page, IDC_PICTURE_CM)) != FALSE, metric);
    EXPECT_EQ(IsWindowVisible(GetDlgItem(page, IDC_PICTURE_INCH)) != FALSE, !metric);
  }
  // Page 3's boxes are filled after the page was created.
  HWND GoToPowerPage() {
    HWND page = Press(kSheetNext, IDC_POWER, "Back Next Cancel");
    EXPECT_TRUE(WaitUntil([&] { return !ItemText(page, IDC_SPEED).empty(); }));
    return page;
  }
  // Waits for page 4 to finish sending; true when Cancel was seen disabled while sending.
  bool WaitSent(HWND page) {
    HWND cancel = GetDlgItem(sheet_, IDCANCEL);
    bool disabledWhileSending = false, sent = false;
    // The job takes a few milliseconds: watch without sleeping so as not to miss it.
    for (const DWORD start = GetTickCount(); !sent && GetTickCount() - start < kTimeout; SwitchToThread()) {
      const bool sending = IsWindowVisible(GetDlgItem(page, IDC_PROGRESS));
      disabledWhileSending |= sending && !IsWindowEnabled(cancel);
      sent = !sending && IsWindowVisible(GetDlgItem(page, IDC_START_TEXT));
    }
    EXPECT_TRUE(sent);
    EXPECT_TRUE(IsWindowEnabled(cancel));
    return disabledWhileSending;
  }

  std::string log_;
  std::unique_ptr<TestProcess> wizard_;
  HWND sheet_ = nullptr;
};

TEST_F(WizardSheet, CancelOnTheFirstPageSavesAllFiveKeysAndFreesTheCaller) {
  HostWindow host;
  // Out of range, a percent that does not survive the speed scale, and the second power.
  Start(Block(3, true), "LaserTweakPower1=300\r\nLaserTweakPower2=700\r\nLaserTweakSpeed=50\r\nLLTweak=-11\r\n"
                        "MechTweak=3\r\n", host.window_);
  EXPECT_EQ(GetWindow(sheet_, GW_OWNER), host.window_);
  EXPECT_FALSE(IsWindowEnabled(host.window_));
  EXPECT_TRUE(Offers("Next Cancel"));
  Shot("wizard_page1_focus.bmp");
  Press(IDCANCEL);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(host.window_); }));
  EXPECT_EQ(Keys(kSection), "300 300 33 0 3");
}

// The job as the simulated driver logs it with power 55 %, speed 370 and line lag -2.
std::string ExpectedJob() {
  std::vector<uint8_t> block = Block(1000, false);
  uint8_t* b = block.data();
  ApplyOpenDefaults(b);
  for (const auto& [offset, value] : {std::pair<size_t, int>{settings_offset::xResolution, 1000},
                                      {settings_offset::yResolution, 1000}, {settings_offset::jobPower, 550},
                                      {settings_offset::jobSpeed, 370}, {settings_offset::jobWord1542, 1},
                                      {settings_offset::jobLineLag, -2}})
    PutU16(b, offset, static_cast<uint16_t>(value));
  std::string hex;
  for (uint8_t byte : block) hex += {"0123456789abcdef"[byte >> 4], "0123456789abcdef"[byte & 15]};
  std::string job = "CreateDC " + kPrinter + " " + hex + "\nStartDoc MechanicalAlign\nEscape 19 04001b236400\n" +
                    "Escape 19 04001b7044c0" + std::string(28, '0') + "\nEscape 19 12001b54000200172e465d748cafd2f5ffffccb2\n" +
                    "StartPage\nBitBlt 5000 420 1827 110 00cc0020 1827x110\nEndPage\n";
  const int barsW[] = {66, 148, 231, 313, 395, 477, 577, 671, 752, 837, 927,
                       1003, 1089, 1177, 1266, 1343, 1427, 1521, 1612, 1688, 1777};
  for (const auto& [letter, y, shift] : {std::tuple<const char*, int, int>{"57", 550, 0}, {"45", 598, 1}}) {
    job += std::string("Escape 19 02001a") + letter + "\nStartPage\n";
    for (int i = 0; i < 21; ++i)
      job += "BitBlt " + std::to_string(5000 + barsW[i] + shift * (i - 10)) + " " + std::to_string(y) + " 10 62 00000042 0x0\n";
    job += "EndPage\n";
  }
  return job + "EndDoc\nDeleteDC\n";
}

TEST_F(WizardSheet, WalkThroughAllPagesAndFinish) {
  Start(Block(1000, false), "LaserTweakPower1=455\r\nLaserTweakSpeed=100\r\nLLTweak=-2\r\nMechTweak=-10\r\n");
  ExpectPlacePage(Press(kSheetNext, IDC_PLACE_TEXT, "Back Next Cancel", "wizard_page2_inch.bmp"), false);
  HWND page = GoToPowerPage();
  EXPECT_EQ(ItemText(page, IDC_POWER) + " " + ItemText(page, IDC_SPEED), "45% 100%");
  Shot("wizard_page3_power.bmp");
  // A box to type into and leave, or an arrow to click; then what the box shows.
  const std::tuple<int, const char*, int, const char*> steps[] = {
      {IDC_POWER, "95", 0, "80%"},         {IDC_POWER_ARROWS, nullptr, SB_LINEUP, "81%"},
      {IDC_POWER, "5", 0, "20%"},          {IDC_POWER_ARROWS, nullptr, SB_LINEDOWN, "19%"},
      {IDC_POWER_ARROWS, nullptr, SB_ENDSCROLL, "19%"}, {IDC_SPEED, "-4", 0, "0%"},
      {IDC_SPEED_ARROWS, nullptr, SB_LINEUP, "1%"}, {IDC_POWER, "55", 0, "55%"}, {IDC_SPEED, "37", 0, "37%"}};
  for (const auto& [control, text, code, shown] : steps) {
    const int box = control == IDC_POWER_ARROWS ? IDC_POWER : control == IDC_SPEED_ARROWS ? IDC_SPEED : control;
    if (text) TypeAndLeave(page, box, text);
    if (!text) SendMessageA(page, WM_VSCROLL, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(GetDlgItem(page, control)));
    EXPECT_EQ(ItemText(page, box), shown) << (text ? text : "arrow") << " " << code;
  }
  page = Press(kSheetNext, IDC_PROGRESS);
  // Timer messages that the job's progress display lets through start no job inside the job.
  PostMessageA(page, WM_TIMER, 9, 0);
  PostMessageA(page, WM_TIMER, 9, 0);
  EXPECT_TRUE(WaitSent(page)) << "Cancel was not disabled while the job was sent";
  const std::string job = ExpectedJob();
  EXPECT_TRUE(WaitUntil([&] { return ReadTextFile(log_).size() >= 2 * job.size(); }));
  EXPECT_EQ(ReadTextFile(log_), job + job);
  WaitSent(page);
  EXPECT_TRUE(Offers("Back Next Cancel"));
  EXPECT_EQ(ItemText(page, IDC_SENDING_TEXT), "File Sent.");
  Shot("wizard_page4_sent.bmp");

  page = Press(kSheetNext, IDC_LETTER, "Back Finish Cancel");
  EXPECT_TRUE(WaitUntil([&] { return ItemText(page, IDC_LETTER) == "A"; }));
  Shot("wizard_page5_letter.bmp");
  for (const auto& [typed, shown] : {std::pair<const char*, const char*>{"k", "K"}, {"V", "K"}, {"t", "T"}}) {
    TypeAndLeave(page, IDC_LETTER, typed);
    EXPECT_EQ(ItemText(page, IDC_LETTER), shown) << typed;
  }
  // Back to page 4 sends the job again; the letter page then shows the letter kept.
  WaitSent(Press(kSheetBack, IDC_PROGRESS));
  EXPECT_EQ(ReadTextFile(log_), job + job + job);
  page = Press(kSheetNext, IDC_LETTER);
  EXPECT_TRUE(WaitUntil([&] { return ItemText(page, IDC_LETTER) == "T"; }));
  // A letter typed but never left is read by Finish.
  SendDlgItemMessageA(page, IDC_LETTER, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("c"));
  Press(kSheetFinish);
  EXPECT_EQ(Keys(kSection), "550 550 37 -2 -8");
}

// Back from page 3 stores nothing, Next stores both boxes; Cancel saves.
TEST_F(WizardSheet, PowerPageBackAndNextThenCancel) {
  for (const bool next : {false, true}) {
    SCOPED_TRACE(next ? "Next" : "Back");
    Start(Block(1000, true), "LaserTweakPower1=1000\r\nLaserTweakSpeed=50\r\nMechTweak=4\r\n");
    ExpectPlacePage(Press(kSheetNext, IDC_PLACE_TEXT, nullptr, next ? nullptr : "wizard_page2_metric.bmp"), true);
    HWND page = GoToPowerPage();
    EXPECT_EQ(ItemText(page, IDC_POWER), "100%");
    TypeAndLeave(page, IDC_SPEED, "64");
    if (next) WaitSent(Press(kSheetNext, IDC_PROGRESS));
    if (!next) Press(kSheetBack, IDC_PLACE_TEXT);
    Press(IDCANCEL);
    // The untouched power box (100%) is read as 80 % on Next.
    EXPECT_EQ(Keys(kSection), next ? "800 800 64 0 4" : "1000 1000 50 0 4");
  }
}

}  // namespace
