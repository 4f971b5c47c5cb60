// The alignment test job "MechanicalAlign": the settings it writes into the driver block,
// its device packets, the letter row and the two bar rows, in the order the driver sees them.
#pragma once
#include <array>
#include <cstdint>

#include "wizard/core/print_device.h"
#include "wizard/resources/resource_ids.h"
#include "wizard/core/tuning_state.h"

// Page 4's progress bar; the job reports 20, 60 and 100 %.
class ProgressDisplay {
 public:
  virtual ~ProgressDisplay() = default;
  virtual void ShowProgress(int percent) = 0;
};

constexpr int kPassThroughEscape = 19;
constexpr int kBarCount = 21;
using BarTable = std::array<int32_t, kBarCount>;

// Bar offsets in thousandths of an inch from the pattern corner, one per letter 'A'..'U'.
extern const BarTable barTableW;
extern const BarTable barTableE;

double ResolutionDivisor(int resolution);
int32_t ToDeviceX(const uint8_t* block, int32_t thousandths);
int32_t ToDeviceY(const uint8_t* block, int32_t thousandths);

void SendHashPacket(PrintDevice& device, uint8_t first, uint8_t second);
void SendSubPacket(PrintDevice& device, char letter);
// The ESC p and ESC T packets; nothing when powerPercent lies outside 1..100.
void SendPowerPackets(PrintDevice& device, const uint8_t* block, int powerPercent, bool speedByteOn,
                      int firstExtraPercent, int secondExtraPercent);
// V = ceil((factor byte - 1) x 0.000001 x 10 x jobSpeed x 255), from which the ESC T speed
// byte comes.
int64_t SpeedValue(const uint8_t* block);
// The ESC T speed byte: the low byte of V, and 1 when V is 0.
uint8_t SpeedByte(const uint8_t* block);

void DrawLetterRow(PrintDevice& device, const uint8_t* block, int32_t x, int32_t y);
void DrawBarRow(PrintDevice& device, const uint8_t* block, int32_t x, int32_t y, const BarTable& table);
void PrintBarPage(PrintDevice& device, const uint8_t* block, int32_t x, int32_t y, char letter, const BarTable& table);

// Prints the whole job; reports nothing, whatever the device answers.
void PrintTestJob(PrintDevice& device, ProgressDisplay& progress, uint8_t* block, TuningState& tuning,
                  const SampleOrigin& origin, const char* deviceName);
