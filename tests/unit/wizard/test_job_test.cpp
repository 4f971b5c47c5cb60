// The test job's packets, positions, device conversions and order of calls, recorded.
#include "wizard/core/test_job.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wizard/core/driver_settings.h"
#include "wizard/core/progress_bar.h"

namespace {

using Bytes = std::vector<int>;

struct RecordingDevice : PrintDevice {
  std::vector<std::string> calls;
  std::vector<Bytes> escapes;
  std::vector<int> startPageResults;  // consumed in order; 1 once they run out
  int startDocResult = 1;
  std::vector<uint8_t> blockAtCreate;

  void CreateDC(const char* deviceName, const uint8_t* settings) override {
    calls.push_back(std::string("CreateDC ") + deviceName);
    blockAtCreate.assign(settings, settings + kDriverSettingsSize);
  }
  int StartDoc(const char* documentName) override {
    calls.push_back(std::string("StartDoc ") + documentName);
    return startDocResult;
  }
  void Escape(int escape, const uint8_t* input, int inputSize) override {
    escapes.emplace_back(input, input + inputSize);
    std::string call = "Escape " + std::to_string(escape) + " " + std::to_string(inputSize);
    call += input[2] == 0x1A ? " SUB " + std::string(1, static_cast<char>(input[3]))
                             : " ESC " + std::string(1, static_cast<char>(input[3]));
    calls.push_back(call);
  }
  int StartPage() override {
    calls.push_back("StartPage");
    if (startPageResults.empty()) return 1;
    const int result = startPageResults.front();
    startPageResults.erase(startPageResults.begin());
    return result;
  }
  void EndPage() override { calls.push_back("EndPage"); }
  void EndDoc() override { calls.push_back("EndDoc"); }
  void DeleteDC() override { calls.push_back("DeleteDC"); }
  void DrawBitmapResource(int resourceId, int x, int y) override {
    calls.push_back("Bitmap " + std::to_string(resourceId) + " " + std::to_string(x) + "," + std::to_string(y));
  }
  void FillBlack(int x, int y, int width, int height) override {
    calls.push_back("Black " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(width) + "x" +
                    std::to_string(height));
  }
};

struct RecordingProgress : ProgressDisplay {
  RecordingDevice* device = nullptr;
  void ShowProgress(int percent) override { device->calls.push_back("Progress " + std::to_string(percent)); }
};

struct Job {
  std::vector<uint8_t> block = std::vector<uint8_t>(kDriverSettingsSize, 0);
  TuningState tuning;
  RecordingDevice device;
  RecordingProgress progress;

  Job() {
    progress.device = &device;
    tuning.power1 = 400;
    tuning.speed = 400;
    PutU8(block.data(), settings_offset::speedFactor, 2);
  }
  void Run(SampleOrigin origin = {4000, 0}) {
    PrintTestJob(device, progress, block.data(), tuning, origin, "Engraver on LPT1:");
  }
  // The calls with every bar collapsed to one line per page.
  std::vector<std::string> Outline() const {
    std::vector<std::string> outline;
    for (const std::string& call : device.calls) {
      if (call.rfind("Black", 0) == 0 && !outline.empty() && outline.back() == "Bars") continue;
      outline.push_back(call.rfind("Black", 0) == 0 ? "Bars" : call);
    }
    return outline;
  }
  std::vector<std::string> Bars() const {
    std::vector<std::string> bars;
    for (const std::string& call : device.calls)
      if (call.rfind("Black", 0) == 0) bars.push_back(call);
    return bars;
  }
};

Bytes PowerPackets(int percent, uint8_t speedFactor, int16_t jobSpeed, bool speedByteOn, std::vector<Bytes>* all) {
  std::vector<uint8_t> block(kDriverSettingsSize, 0);
  PutU8(block.data(), settings_offset::speedFactor, speedFactor);
  PutU16(block.data(), settings_offset::jobSpeed, static_cast<uint16_t>(jobSpeed));
  RecordingDevice device;
  SendPowerPackets(device, block.data(), percent, speedByteOn, 80, 70);
  *all = device.escapes;
  return all->empty() ? Bytes{} : all->back();
}

TEST(PowerPackets, BytesForTheTypicalPowers) {
  struct Case {
    int percent;
    int escPHigh, escPLow;
    Bytes tableBytes;  // bytes 7 to 19 of ESC T
  };
  const Case cases[] = {
      {40, 0x32, 0x00, {17, 34, 51, 68, 84, 102, 127, 153, 178, 204, 229, 204, 178}},
      {80, 0x64, 0x00, {34, 68, 102, 136, 169, 204, 255, 255, 255, 255, 255, 204, 178}},
      {50, 0x3E, 0x80, {21, 42, 63, 84, 105, 127, 158, 190, 222, 254, 255, 204, 178}},
      {20, 0x19, 0x00, {8, 17, 25, 34, 42, 51, 63, 76, 89, 102, 114, 204, 178}},
      {100, 0x7D, 0x00, {42, 85, 127, 170, 212, 255, 255, 255, 255, 255, 255, 204, 178}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.percent);
    std::vector<Bytes> packets;
    const Bytes table = PowerPackets(c.percent, 2, 400, true, &packets);
    ASSERT_EQ(packets.size(), 2u);
    const Bytes& escP = packets[0];
    ASSERT_EQ(escP.size(), 20u);
    EXPECT_EQ(Bytes(escP.begin(), escP.begin() + 6), (Bytes{4, 0, 0x1B, 'p', c.escPHigh, c.escPLow}));
    ASSERT_EQ(table.size(), 20u);
    EXPECT_EQ(Bytes(table.begin(), table.begin() + 7), (Bytes{18, 0, 0x1B, 'T', 0, 2, 0}));
    EXPECT_EQ(Bytes(table.begin() + 7, table.end()), c.tableBytes);
  }
}

TEST(PowerPackets, PowerOutsideOneToHundredSendsNothing) {
  for (int percent : {0, -1, 101}) {
    std::vector<Bytes> packets;
    PowerPackets(percent, 2, 400, true, &packets);
    EXPECT_TRUE(packets.empty()) << percent;
  }
}

TEST(PowerPackets, SpeedByte) {
  struct Case {
    uint8_t factor;
    int16_t jobSpeed;
    bool on;
    int expected;
  };
  const Case cases[] = {
      {1, 400, true, 1},      // V = 0 is sent as 1
      {2, 400, true, 2},      // ceil(1.02)
      {3, 1000, true, 6},     // ceil(5.1)
      {255, 3000, true, 152}, // ceil(1943.1) = 1944, low byte 0x98
      {101, 1003, true, 1},   // ceil(255.765) = 256, low byte 0 is sent as 1
      {2, -1, true, 49},      // 10 x -1 read as 4294967286: ceil(1095216.6), low byte 0x31
      {2, 400, false, 0},     // switch off
      {2, 0, true, 1},
  };
  for (const Case& c : cases) {
    std::vector<Bytes> packets;
    const Bytes table = PowerPackets(40, c.factor, c.jobSpeed, c.on, &packets);
    EXPECT_EQ(table[5], c.expected) << int(c.factor) << " " << c.jobSpeed << " " << c.on;
  }
}

}  // namespace

namespace {

TEST(DeviceUnits, ResolutionDivisors) {
  struct Case {
    int16_t resolution;
    int32_t thousandths;
    int32_t expected;
  };
  const Case cases[] = {{1000, 1000, 1000}, {666, 1000, 666}, {500, 1001, 500}, {400, 1000, 400},
                        {333, 1000, 333},   {250, 1000, 250}, {200, 999, 199},  {166, 1000, 166},
                        {83, 62, 5},        {300, 1000, 1000}, {0, 77, 77},     {333, -10, -3}};
  for (const Case& c : cases) {
    std::vector<uint8_t> block(kDriverSettingsSize, 0);
    PutU16(block.data(), settings_offset::xResolution, static_cast<uint16_t>(c.resolution));
    PutU16(block.data(), settings_offset::yResolution, 1000);
    EXPECT_EQ(ToDeviceX(block.data(), c.thousandths), c.expected) << c.resolution;
    EXPECT_EQ(ToDeviceY(block.data(), c.thousandths), c.thousandths) << c.resolution;
    PutU16(block.data(), settings_offset::yResolution, static_cast<uint16_t>(c.resolution));
    EXPECT_EQ(ToDeviceY(block.data(), c.thousandths), c.expected) << c.resolution;
  }
}

TEST(BarTables, EShiftsByTheLetterStep) {
  for (int i = 0; i < kBarCount; ++i) EXPECT_EQ(barTableE[i], barTableW[i] + i - 10) << i;
}

TEST(TestJob, CallOrder) {
  const std::string start = "CreateDC Engraver on LPT1:|StartDoc MechanicalAlign|";
  const std::string power = "Escape 19 20 ESC p|Escape 19 20 ESC T|";
  const std::string page1 = "StartPage|Bitmap 103 5000,420|EndPage|Progress 20|";
  const std::string page2 = "Escape 19 4 SUB W|StartPage|Bars|EndPage|Progress 60|";
  const std::string page3 = "Escape 19 4 SUB E|StartPage|Bars|EndPage|Progress 100|";
  const std::string end = "EndDoc|DeleteDC";
  struct Case {
    const char* name;
    uint8_t hash;
    int32_t power1;
    int startDoc;
    std::vector<int> startPages;
    std::string expected;
  };
  const Case cases[] = {
      {"hash packet first", 1, 400, 1, {}, start + "Escape 19 6 ESC #|" + power + page1 + page2 + page3 + end},
      {"without hash packet", 0, 400, 1, {}, start + power + page1 + page2 + page3 + end},
      {"power below 1 %", 1, 9, 1, {}, start + "Escape 19 6 ESC #|" + page1 + page2 + page3 + end},
      {"page 2 fails", 0, 400, 1, {1, 0, 1},
       start + power + page1 + "Escape 19 4 SUB W|StartPage|Progress 60|" + page3 + end},
      {"page 1 fails", 0, 400, 1, {0}, start + power + "StartPage|Progress 20|" + page2 + page3 + end},
      {"document refused", 1, 400, 0, {}, start + "DeleteDC"},
      {"document failed", 1, 400, -1, {}, start + "DeleteDC"},
  };
  for (const Case& c : cases) {
    Job job;
    PutU8(job.block.data(), settings_offset::hashPacket, c.hash);
    job.tuning.power1 = c.power1;
    job.device.startDocResult = c.startDoc;
    job.device.startPageResults = c.startPages;
    job.Run();
    std::string outline;
    for (const std::string& call : job.Outline()) outline += (outline.empty() ? "" : "|") + call;
    EXPECT_EQ(outline, c.expected) << c.name;
  }
  Job job;
  PutU8(job.block.data(), settings_offset::hashPacket, 1);
  job.Run();
  EXPECT_EQ(job.device.escapes[0], (Bytes{4, 0, 0x1B, '#', 100, 0}));
  EXPECT_EQ(job.device.escapes[3], (Bytes{2, 0, 0x1A, 'W'}));
  EXPECT_EQ(job.device.escapes[4], (Bytes{2, 0, 0x1A, 'E'}));
}

TEST(TestJob, BarPositionsFromTheOrigin) {
  Job job;
  job.Run({3937, 0});
  const std::vector<std::string> bars = job.Bars();
  ASSERT_EQ(bars.size(), 42u);
  for (int i = 0; i < kBarCount; ++i) {
    EXPECT_EQ(bars[i], "Black " + std::to_string(4937 + barTableW[i]) + ",550 10x62");
    EXPECT_EQ(bars[kBarCount + i], "Black " + std::to_string(4937 + barTableE[i]) + ",598 10x62");
  }
  EXPECT_EQ(job.tuning.patternX, 4937);
  EXPECT_EQ(job.tuning.patternY, 420);
}

TEST(TestJob, WritesTheJobFieldsBeforeTheDeviceContext) {
  Job job;
  job.tuning.power1 = 455;
  job.tuning.speed = 1234;
  job.tuning.lineLagTweak = -3;
  uint8_t* b = job.block.data();
  PutU8(b, settings_offset::jobByte1501, 7);
  PutU16(b, settings_offset::xResolution, 333);
  PutU16(b, settings_offset::yResolution, 83);
  PutU16(b, settings_offset::jobWord1542, 9);
  PutU16(b, settings_offset::jobWord1486, 9);
  job.Run();
  const uint8_t* seen = job.device.blockAtCreate.data();
  EXPECT_EQ(GetU8(seen, settings_offset::jobByte1501), 0);
  EXPECT_EQ(GetI16(seen, settings_offset::xResolution), 1000);
  EXPECT_EQ(GetI16(seen, settings_offset::yResolution), 1000);
  EXPECT_EQ(GetU16(seen, settings_offset::jobPower), 455);
  EXPECT_EQ(GetI16(seen, settings_offset::jobSpeed), 1234);
  EXPECT_EQ(GetU16(seen, settings_offset::jobWord1542), 1);
  EXPECT_EQ(GetI16(seen, settings_offset::jobLineLag), -3);
  EXPECT_EQ(GetU16(seen, settings_offset::jobWord1486), 0);
  EXPECT_EQ(job.device.blockAtCreate, job.block);
  // The ESC T speed byte reads the speed just written: ceil(1e-6 x 12340 x 255) = 4.
  EXPECT_EQ(job.device.escapes[1][5], 4);
  EXPECT_EQ(job.device.escapes[0][4] * 256 + job.device.escapes[0][5], 320 * 45);
}

TEST(ProgressBar, ClampsAndScalesTheRightEdge) {
  struct Case {
    int right, percent, expected;
  };
  const Case cases[] = {{200, 20, 40},  {200, 60, 120}, {200, 100, 200}, {200, 150, 200},
                        {200, -5, 0},   {185, 20, 37},  {185, 60, 111},  {0, 60, 0},
                        {3, 33, 0},     {371, 60, 222}};
  for (const Case& c : cases) EXPECT_EQ(ProgressRight(c.right, c.percent), c.expected) << c.right << " " << c.percent;
  EXPECT_EQ(ClampPercent(150), 100);
  EXPECT_EQ(ClampPercent(-5), 0);
}

}  // namespace
