// The alignment test job: settings, device packets and the three pages.
#include "wizard/core/alignment_job.h"

#include <algorithm>
#include <cmath>

#include "wizard/core/driver_settings.h"

const BarTable barTableW = {66,   148,  231,  313,  395,  477,  577,  671,  752,  837, 927,
                            1003, 1089, 1177, 1266, 1343, 1427, 1521, 1612, 1688, 1777};
const BarTable barTableE = {56,   139,  223,  306,  389,  472,  573,  668,  750,  836, 927,
                            1004, 1091, 1180, 1270, 1348, 1433, 1528, 1620, 1697, 1787};

namespace {

constexpr char kDocumentName[] = "MechanicalAlign";
constexpr int kPowerPacketSize = 20;
constexpr uint8_t kEsc = 0x1B;
constexpr uint8_t kSub = 0x1A;
constexpr int32_t kBarWidth = 10;
constexpr int32_t kBarHeight = 62;

int32_t ToDevice(int resolution, int32_t thousandths) {
  return static_cast<int32_t>(static_cast<double>(thousandths) / ResolutionDivisor(resolution));
}

uint8_t PercentOf255(int percent) { return static_cast<uint8_t>(255 * percent / 100); }

uint8_t Scaled(int b, double factor) { return static_cast<uint8_t>(std::min(255, static_cast<int>(b * factor))); }

}  // namespace

double ResolutionDivisor(int resolution) {
  // 1000 dpi and any resolution not listed: 1.
  switch (resolution) {
    case 666: return 1.5;
    case 500: return 2;
    case 400: return 2.5;
    case 333: return 3;
    case 250: return 4;
    case 200: return 5;
    case 166: return 6;
    case 83: return 12;
    default: return 1;
  }
}

int32_t ToDeviceX(const uint8_t* block, int32_t thousandths) {
  return ToDevice(GetI16(block, settings_offset::xResolution), thousandths);
}

int32_t ToDeviceY(const uint8_t* block, int32_t thousandths) {
  return ToDevice(GetI16(block, settings_offset::yResolution), thousandths);
}

void SendHashPacket(PrintDevice& device, uint8_t first, uint8_t second) {
  const uint8_t packet[6] = {4, 0, kEsc, '#', first, second};
  device.Escape(kPassThroughEscape, packet, sizeof packet);
}

void SendSubPacket(PrintDevice& device, char letter) {
  const uint8_t packet[4] = {2, 0, kSub, static_cast<uint8_t>(letter)};
  device.Escape(kPassThroughEscape, packet, sizeof packet);
}

int64_t SpeedValue(const uint8_t* block) {
  const int factor = GetU8(block, settings_offset::speedFactor) - 1;
  // 10 x jobSpeed is formed in 32 bits from the sign-extended field and read unsigned.
  const uint32_t tenSpeed = static_cast<uint32_t>(10 * static_cast<int32_t>(GetI16(block, settings_offset::jobSpeed)));
  return static_cast<int64_t>(std::ceil(factor * 0.000001 * static_cast<double>(tenSpeed) * 255));
}

uint8_t SpeedByte(const uint8_t* block) {
  const int64_t v = SpeedValue(block);
  // Only a V of 0 becomes 1; every other V wraps to its low byte, 256 to 0, as the engraver expects.
  return v == 0 ? 1 : static_cast<uint8_t>(v & 0xFF);
}

void SendPowerPackets(PrintDevice& device, const uint8_t* block, int powerPercent, bool speedByteOn,
                      int firstExtraPercent, int secondExtraPercent) {
  if (powerPercent <= 0 || powerPercent > 100) return;

  uint8_t power[kPowerPacketSize] = {};
  const int value = 320 * powerPercent;
  power[0] = 4;
  power[2] = kEsc;
  power[3] = 'p';
  power[4] = static_cast<uint8_t>(value >> 8);
  power[5] = static_cast<uint8_t>(value);
  device.Escape(kPassThroughEscape, power, sizeof power);

  const int b = PercentOf255(powerPercent);
  const uint8_t table[kPowerPacketSize] = {18,
                                           0,
                                           kEsc,
                                           'T',
                                           0,
                                           static_cast<uint8_t>(speedByteOn ? SpeedByte(block) : 0),
                                           0,
                                           Scaled(b, 0.16666666666666666),
                                           Scaled(b, 0.3333333333333333),
                                           Scaled(b, 0.5),
                                           Scaled(b, 0.6666666666666666),
                                           Scaled(b, 0.8333333333333333),
                                           static_cast<uint8_t>(b),
                                           Scaled(b, 1.25),
                                           Scaled(b, 1.5),
                                           Scaled(b, 1.75),
                                           Scaled(b, 2),
                                           Scaled(b, 2.25),
                                           PercentOf255(firstExtraPercent),
                                           PercentOf255(secondExtraPercent)};
  device.Escape(kPassThroughEscape, table, sizeof table);
}

void DrawLetterRow(PrintDevice& device, const uint8_t* block, int32_t x, int32_t y) {
  device.DrawBitmapResource(IDB_LETTER_ROW, ToDeviceX(block, x), ToDeviceY(block, y));
}

void DrawBarRow(PrintDevice& device, const uint8_t* block, int32_t x, int32_t y, const BarTable& table) {
  for (int32_t t : table) {
    device.FillBlack(ToDeviceX(block, x + t), ToDeviceY(block, y), ToDeviceX(block, kBarWidth),
                     ToDeviceY(block, kBarHeight));
  }
}

void PrintBarPage(PrintDevice& device, const uint8_t* block, int32_t x, int32_t y, char letter, const BarTable& table) {
  SendSubPacket(device, letter);
  if (device.StartPage() > 0) {
    DrawBarRow(device, block, x, y, table);
    device.EndPage();
  }
}

void PrintTestJob(PrintDevice& device, ProgressDisplay& progress, uint8_t* block, TuningState& tuning,
                  const SampleOrigin& origin, const char* deviceName) {
  tuning.patternX = origin.x + 1000;
  tuning.patternY = origin.y + 420;

  PutU8(block, settings_offset::jobByte1501, 0);
  PutU16(block, settings_offset::xResolution, 1000);
  PutU16(block, settings_offset::yResolution, 1000);
  PutU16(block, settings_offset::jobPower, static_cast<uint16_t>(tuning.power1));
  PutU16(block, settings_offset::jobSpeed, static_cast<uint16_t>(tuning.speed));
  PutU16(block, settings_offset::jobWord1542, 1);
  PutU16(block, settings_offset::jobLineLag, static_cast<uint16_t>(tuning.lineLagTweak));
  PutU16(block, settings_offset::jobWord1486, 0);

  device.CreateDC(deviceName, block);
  if (device.StartDoc(kDocumentName) > 0) {
    if (GetU8(block, settings_offset::hashPacket) != 0) SendHashPacket(device, 100, 0);
    SendPowerPackets(device, block, tuning.power1 / 10, true, 80, 70);
    if (device.StartPage() > 0) {
      DrawLetterRow(device, block, tuning.patternX, tuning.patternY);
      device.EndPage();
    }
    progress.ShowProgress(20);
    PrintBarPage(device, block, tuning.patternX, tuning.patternY + 130, 'W', barTableW);
    progress.ShowProgress(60);
    PrintBarPage(device, block, tuning.patternX, tuning.patternY + 178, 'E', barTableE);
    progress.ShowProgress(100);
    device.EndDoc();
  }
  device.DeleteDC();
}
