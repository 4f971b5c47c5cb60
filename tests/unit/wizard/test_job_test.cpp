// The test job's packets, positions, device conversions and order of calls, recorded.
#include "wizard/core/test_job.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wizard/core/driver_settings.h"
#include "wizard/core/progress_bar.h"

namespace {

std::string Hex(const uint8_t* bytes, int size) {
  std::string text;
  for (int i = 0; i < size; ++i) text += {"0123456789abcdef"[bytes[i] >> 4], "0123456789abcdef"[bytes[i] & 15]};
  return text;
}

// Records the calls joined by "|", each packet shortened to its command ("ESC p", "SUB W"),
// and the packets in full as hex; bars of one page collapse to "Bars" in the outline.
struct Recorder : PrintDevice, ProgressDisplay {
  std::string calls, outline;
  std::vector<std::string> packets, bars;
  std::vector<int> results;  // of StartDoc, then each StartPage; 1 once they run out
  std::vector<uint8_t> blockAtCreate;

  int Log(const std::string& call) {
    calls += (calls.empty() ? "" : "|") + call;
    const int result = results.empty() ? 1 : results.front();
    if (!results.empty() && (call == "StartPage" || call.rfind("StartDoc", 0) == 0)) results.erase(results.begin());
    return result;
  }
  void CreateDC(const char* name, const uint8_t* block) override {
    Log(std::string("CreateDC ") + name);
    blockAtCreate.assign(block, block + kDriverSettingsSize);
  }
  int StartDoc(const char* name) override { return Log(std::string("StartDoc ") + name); }
  void Escape(int escape, const uint8_t* input, int size) override {
    Log("Escape " + std::to_string(escape) + (input[2] == 0x1A ? " SUB " : " ESC ") + char(input[3]));
    packets.push_back(Hex(input, size));
  }
  int StartPage() override { return Log("StartPage"); }
  void EndPage() override { Log("EndPage"); }
  void EndDoc() override { Log("EndDoc"); }
  void DeleteDC() override { Log("DeleteDC"); }
  void DrawBitmapResource(int id, int x, int y) override {
    Log("Bitmap " + std::to_string(id) + " " + std::to_string(x) + "," + std::to_string(y));
  }
  void FillBlack(int x, int y, int width, int height) override {
    bars.push_back(std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(width) + "x" + std::to_string(height));
    if (calls.size() < 4 || calls.substr(calls.size() - 4) != "Bars") Log("Bars");
  }
  void ShowProgress(int percent) override { Log("Progress " + std::to_string(percent)); }
};

std::vector<uint8_t> Block(uint8_t speedFactor, int16_t jobSpeed) {
  std::vector<uint8_t> block(kDriverSettingsSize, 0);
  PutU8(block.data(), settings_offset::speedFactor, speedFactor);
  PutU16(block.data(), settings_offset::jobSpeed, static_cast<uint16_t>(jobSpeed));
  return block;
}

}  // namespace

TEST(TestJob, PowerPacketsAndSpeedByte) {
  const std::string zeros(28, '0');
  const std::pair<int, std::string> cases[] = {
      {40, "04001b703200" + zeros + "|12001b540002001122334454667f99b2cce5ccb2"},
      {50, "04001b703e80" + zeros + "|12001b54000200152a3f54697f9ebedefeffccb2"},
      {100, "04001b707d00" + zeros + "|12001b540002002a557faad4ffffffffffffccb2"},
      {0, ""}, {-1, ""}, {101, ""}};
  for (const auto& [percent, want] : cases) {
    Recorder device;
    SendPowerPackets(device, Block(2, 400).data(), percent, true, 80, 70);
    EXPECT_EQ(device.packets.empty() ? "" : device.packets[0] + "|" + device.packets[1], want) << percent;
  }
  Recorder device;
  SendPowerPackets(device, Block(2, 400).data(), 40, false, 80, 70);
  EXPECT_EQ(device.packets[1].substr(8, 6), "000000") << "speed byte switched off";
  // ceil((factor - 1) x 1e-6 x 10 x jobSpeed x 255), low byte, 0 sent as 1.
  const int speeds[][3] = {{1, 400, 1}, {2, 400, 2}, {3, 1000, 6}, {255, 3000, 152}, {101, 1003, 1}, {2, -1, 49}, {2, 0, 1}};
  for (const auto& s : speeds)
    EXPECT_EQ(SpeedByte(Block(static_cast<uint8_t>(s[0]), static_cast<int16_t>(s[1])).data()), s[2]) << s[0] << " " << s[1];
}

TEST(TestJob, CallOrder) {
  const std::string start = "CreateDC Engraver|StartDoc MechanicalAlign|", power = "Escape 19 ESC p|Escape 19 ESC T|";
  const std::string page1 = "StartPage|Bitmap 103 5000,420|EndPage|Progress 20|";
  const std::string page2 = "Escape 19 SUB W|StartPage|Bars|EndPage|Progress 60|";
  const std::string page3 = "Escape 19 SUB E|StartPage|Bars|EndPage|Progress 100|EndDoc|DeleteDC";
  struct Case {
    const char* name;
    uint8_t hash;
    int32_t power1;
    std::vector<int> results;  // of StartDoc, then each StartPage
    std::string expected;
  };
  const Case cases[] = {
      {"hash packet first", 1, 400, {}, start + "Escape 19 ESC #|" + power + page1 + page2 + page3},
      {"without hash packet", 0, 400, {}, start + power + page1 + page2 + page3},
      {"power below 1 %", 0x80, 9, {}, start + "Escape 19 ESC #|" + page1 + page2 + page3},
      {"page 1 fails", 0, 400, {1, 0}, start + power + "StartPage|Progress 20|" + page2 + page3},
      {"page 2 fails", 0, 400, {1, 1, -1}, start + power + page1 + "Escape 19 SUB W|StartPage|Progress 60|" + page3},
      {"document refused", 1, 400, {0}, start + "DeleteDC"},
      {"document failed", 1, 400, {-1}, start + "DeleteDC"},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> block = Block(2, 0);
    PutU8(block.data(), settings_offset::hashPacket, c.hash);
    TuningState tuning;
    tuning.power1 = c.power1;
    Recorder device;
    device.results = c.results;
    PrintTestJob(device, device, block.data(), tuning, {4000, 0}, "Engraver");
    EXPECT_EQ(device.calls, c.expected) << c.name;
  }
}

TEST(TestJob, JobFieldsAndBarPositions) {
  std::vector<uint8_t> block = Block(2, 0);
  uint8_t* b = block.data();
  PutU8(b, settings_offset::jobByte1501, 7);
  PutU16(b, settings_offset::xResolution, 333);
  PutU16(b, settings_offset::yResolution, 83);
  PutU16(b, settings_offset::jobWord1542, 9);
  PutU16(b, settings_offset::jobWord1486, 9);
  TuningState tuning;
  tuning.power1 = 455;
  tuning.speed = 1234;
  tuning.lineLagTweak = -3;
  Recorder device;
  PrintTestJob(device, device, b, tuning, {3937, 0}, "Engraver");
  EXPECT_EQ(device.blockAtCreate, block);
  const std::pair<size_t, int> fields[] = {
      {settings_offset::jobByte1501, 0}, {settings_offset::xResolution, 1000}, {settings_offset::yResolution, 1000},
      {settings_offset::jobPower, 455},  {settings_offset::jobSpeed, 1234},    {settings_offset::jobWord1542, 1},
      {settings_offset::jobLineLag, -3}, {settings_offset::jobWord1486, 0}};
  for (const auto& [offset, value] : fields)
    EXPECT_EQ(offset == settings_offset::jobByte1501 ? GetU8(b, offset) : GetI16(b, offset), value) << offset;
  // The ESC T speed byte reads the speed just written: ceil(1e-6 x 12340 x 255) = 4.
  EXPECT_EQ(device.packets[1].substr(10, 2), "04");
  EXPECT_EQ(tuning.patternX, 4937);
  EXPECT_EQ(tuning.patternY, 420);
  ASSERT_EQ(device.bars.size(), 42u);
  for (int i = 0; i < kBarCount; ++i) {
    EXPECT_EQ(device.bars[i], std::to_string(4937 + barTableW[i]) + ",550 10x62");
    EXPECT_EQ(device.bars[kBarCount + i], std::to_string(4937 + barTableW[i] + i - 10) + ",598 10x62");
  }
}

TEST(TestJob, DeviceUnitsAndProgressBar) {
  const int units[][3] = {{666, 1000, 666}, {500, 1001, 500}, {400, 1000, 400}, {250, 1000, 250}, {200, 999, 199},
                          {166, 1000, 166}, {83, 62, 5},      {300, 1000, 1000}, {0, 77, 77},     {333, -10, -3}};
  std::vector<uint8_t> block = Block(0, 0);
  for (const auto& u : units) {
    PutU16(block.data(), settings_offset::xResolution, static_cast<uint16_t>(u[0]));
    PutU16(block.data(), settings_offset::yResolution, 1000);
    EXPECT_EQ(ToDeviceX(block.data(), u[1]), u[2]) << u[0];
    EXPECT_EQ(ToDeviceY(block.data(), u[1]), u[1]) << u[0];
    PutU16(block.data(), settings_offset::yResolution, static_cast<uint16_t>(u[0]));
    EXPECT_EQ(ToDeviceY(block.data(), u[1]), u[2]) << u[0];
  }
  const int bars[][3] = {{200, 20, 40}, {200, 100, 200}, {200, 150, 200}, {200, -5, 0},
                         {185, 60, 111}, {0, 60, 0},     {3, 33, 0},      {371, 60, 222}};
  for (const auto& p : bars) EXPECT_EQ(ProgressRight(p[0], p[1]), p[2]) << p[0] << " " << p[1];
  EXPECT_EQ(ClampPercent(150), 100);
  EXPECT_EQ(ClampPercent(-5), 0);
}
