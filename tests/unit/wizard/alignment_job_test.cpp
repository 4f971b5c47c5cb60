// The alignment job where the card logs of tests/tools/cards do not reach: packets at their
// edges, the speed byte's wraps, the device units of every resolution, the progress bar,
// failing pages, and the fields it writes into a block whose every byte is set.
#include "wizard/core/alignment_job.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tools/device_log/device_log.h"
#include "wizard/core/driver_settings.h"
#include "wizard/core/progress_bar.h"

namespace {

// Records each call followed by "|", a packet shortened to its command ("ESC p", "SUB W")
// and a bar to "B"; the packets in full beside them.
struct Recorder : PrintDevice, ProgressDisplay {
  std::string calls, packets;
  std::vector<int> results;  // of StartDoc, then each StartPage; 1 once they run out
  size_t next = 0;

  void Log(const std::string& call) { calls += call + "|"; }
  int Result(const std::string& call) { return Log(call), next < results.size() ? results[next++] : 1; }
  void CreateDC(const char* name, const uint8_t*) override { Log(std::string("CreateDC ") + name); }
  int StartDoc(const char* name) override { return Result(std::string("StartDoc ") + name); }
  void Escape(int escape, const uint8_t* input, int size) override {
    Log("Escape " + std::to_string(escape) + (input[2] == 0x1A ? " SUB " : " ESC ") + char(input[3]));
    packets += device_log::Hex(input, size) + "|";
  }
  int StartPage() override { return Result("StartPage"); }
  void EndPage() override { Log("EndPage"); }
  void EndDoc() override { Log("EndDoc"); }
  void DeleteDC() override { Log("DeleteDC"); }
  void DrawBitmapResource(int, int, int) override { Log("Bitmap"); }
  void FillBlack(int, int, int, int) override { calls += "B"; }
  void ShowProgress(int percent) override { Log("Progress " + std::to_string(percent)); }
};

}  // namespace

TEST(TestJob, PacketsDeviceUnitsCallsAndBlock) {
  std::vector<uint8_t> block(kDriverSettingsSize);
  // Factor byte F, jobSpeed, V = ceil((F - 1) x 0.000001 x 10 x jobSpeed x 255) and the speed
  // byte: V's low byte, 1 only when V is 0. For -1 and -32768, 10 x jobSpeed wraps as unsigned.
  const int64_t speeds[][4] = {{1, 400, 0, 1},    {2, 370, 1, 1},       {101, 1003, 256, 0},       {101, 1176, 300, 44},
                               {0, 400, -1, 255}, {2, -1, 1095217, 49}, {2, -32768, 1095134, 222}, {2, 400, 2, 2}};
  for (const auto& [factor, jobSpeed, v, byte] : speeds) {
    block[settings_offset::speedFactor] = static_cast<uint8_t>(factor);
    PutU16(block.data(), settings_offset::jobSpeed, static_cast<uint16_t>(jobSpeed));
    EXPECT_EQ(std::make_pair(SpeedValue(block.data()), SpeedByte(block.data())), std::make_pair(v, uint8_t(byte)))
        << factor << " " << jobSpeed;
  }
  // Power in percent, whether the speed byte is on, the two packets; F 2 and jobSpeed 400 left
  // by the last row above make the speed byte 2.
  const std::tuple<int, bool, std::string> powers[] = {
      {40, false, "04001b703200" + std::string(28, '0') + "|12001b540000001122334454667f99b2cce5ccb2|"},
      {100, true, "04001b707d00" + std::string(28, '0') + "|12001b540002002a557faad4ffffffffffffccb2|"},
      {1, true, "04001b700140" + std::string(28, '0') + "|12001b540002000000010101020203030404ccb2|"},
      {0, true, ""},
      {101, true, ""}};
  for (const auto& [percent, speedByteOn, want] : powers) {
    Recorder device;
    SendPowerPackets(device, block.data(), percent, speedByteOn, 80, 70);
    EXPECT_EQ(device.packets, want) << percent;
  }
  const int units[][3] = {{666, 1000, 666}, {500, 1001, 500}, {400, 1000, 400}, {250, 1000, 250}, {200, 999, 199},
                          {166, 1000, 166}, {83, 62, 5},      {1000, 77, 77},   {0, 77, 77},      {333, -10, -3}};
  // x at each resolution, y at 1000 dpi.
  PutU16(block.data(), settings_offset::yResolution, 1000);
  for (const auto& u : units) {
    PutU16(block.data(), settings_offset::xResolution, static_cast<uint16_t>(u[0]));
    EXPECT_EQ(std::make_pair(ToDeviceX(block.data(), u[1]), ToDeviceY(block.data(), u[1])), std::make_pair(u[2], u[1]))
        << u[0];
  }
  const int progress[][3] = {{200, -5, 0}, {200, 101, 200}, {371, 60, 222}};
  for (const auto& p : progress) EXPECT_EQ(ProgressRight(p[0], p[1]), p[2]) << p[0] << " " << p[1];

  // The calls when a page or the document fails, and the block handed to CreateDC: the job's
  // own values in exactly their fields, every other byte as it was.
  const std::string start = "CreateDC Engraver|StartDoc MechanicalAlign|", power = "Escape 19 ESC p|Escape 19 ESC T|";
  const std::string page1 = "StartPage|Bitmap|EndPage|Progress 20|", bars(21, 'B');
  const std::string page2 = "Escape 19 SUB W|StartPage|" + bars + "EndPage|Progress 60|";
  const std::string page3 = "Escape 19 SUB E|StartPage|" + bars + "EndPage|Progress 100|EndDoc|DeleteDC|";
  // Byte 1500 (nonzero: ESC # first), the results of StartDoc and each StartPage, the calls.
  const std::tuple<uint8_t, std::vector<int>, std::string> jobs[] = {
      {1, {}, start + "Escape 19 ESC #|" + power + page1 + page2 + page3},
      {0, {1, 0}, start + power + "StartPage|Progress 20|" + page2 + page3},
      {0, {1, 1, 0}, start + power + page1 + "Escape 19 SUB W|StartPage|Progress 60|" + page3},
      {1, {0}, start + "DeleteDC|"},
  };
  // Resolutions, power, speed, word 1542, line lag, word 1486 and byte 1501.
  const std::pair<size_t, uint16_t> written[] = {{312, 1000}, {314, 1000},    {156, 455}, {188, 370},
                                                 {1542, 1},   {1488, 0xFFFE}, {1486, 0}};
  std::vector<uint8_t> want(kDriverSettingsSize, 0xA5);
  for (const auto& [offset, value] : written) PutU16(want.data(), offset, value);
  want[1501] = 0;
  for (const auto& [hash, results, calls] : jobs) {
    std::vector<uint8_t> job(kDriverSettingsSize, 0xA5);
    job[1500] = want[1500] = hash;
    TuningState tuning{0, 0, 455, 0, 370, -2, 0};
    Recorder device;
    device.results = results;
    PrintTestJob(device, device, job.data(), tuning, {4000, 0}, "Engraver");
    EXPECT_EQ(device.calls, calls);
    EXPECT_EQ(job, want);
  }
}
