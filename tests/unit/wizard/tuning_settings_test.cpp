// The tuned values in LASER.INI: rounding, speed scale, defaults, ranges, load and save.
#include "wizard/core/tuning_settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "wizard/core/driver_settings.h"
#include "wizard/core/round_to_int.h"
#include "wizard/core/speed_scale.h"

namespace {

// A profile file in memory that copies values the way GetPrivateProfileStringA does.
struct MemoryProfile : ProfileStore {
  std::map<std::string, std::string> values;  // "section/key" -> text
  std::vector<size_t> bufferSizes;
  std::vector<std::string> writes;

  void GetString(const char* section, const char* key, const char* defaultText, char* buffer,
                 size_t size) override {
    bufferSizes.push_back(size);
    auto found = values.find(std::string(section) + "/" + key);
    const std::string text = found == values.end() ? defaultText : found->second;
    const size_t n = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
  }
  void WriteString(const char* section, const char* key, const char* text) override {
    writes.push_back(std::string(key) + "=" + text);
    values[std::string(section) + "/" + key] = text;
  }
};

std::vector<uint8_t> BlockWithMaxSpeed(int16_t maxSpeed) {
  std::vector<uint8_t> block(kDriverSettingsSize);
  PutU16(block.data(), settings_offset::maxSpeed, static_cast<uint16_t>(maxSpeed));
  return block;
}

}  // namespace

TEST(RoundToInt, FractionAboveOneHalfRoundsUp) {
  const std::pair<double, int32_t> cases[] = {
      {1.5, 1},   {2.5, 2},   {2.51, 3},  {0.5000001, 1}, {-2.7, -2},   {-0.5, 0}, {-1.5, -1},
      {0.0, 0},   {33.3, 33}, {1e300, std::numeric_limits<int32_t>::max()},
      {-1e300, std::numeric_limits<int32_t>::min()}, {2147483646.9, 2147483647}, {-2147483648.9, -2147483647 - 1},
  };
  for (const auto& [x, want] : cases) EXPECT_EQ(RoundToInt(x), want) << x;
  EXPECT_EQ(RoundToInt(std::nan("")), 0);
  EXPECT_EQ(RoundToInt(INFINITY), std::numeric_limits<int32_t>::max());
}

TEST(SpeedScale, ConvertsBetweenPercentAndSpeedUnits) {
  EXPECT_EQ(SpeedFromPercent(50, 3), 1);      // 1.5 rounds down
  EXPECT_EQ(SpeedFromPercent(100, 1234), 1234);
  EXPECT_EQ(SpeedFromPercent(51, 3), 2);      // 1.53
  EXPECT_EQ(SpeedFromPercent(100, -32768), -32768);
  EXPECT_EQ(PercentFromSpeed(1, 3), 33);      // 33.3
  EXPECT_EQ(PercentFromSpeed(2, 3), 67);      // 66.67
  EXPECT_EQ(PercentFromSpeed(1234, 1234), 100);
  EXPECT_EQ(PercentFromSpeed(500, 0), 0);
}

TEST(TuningSettings, EmptySectionTakesTheDefaultsAndSavesThemBack) {
  MemoryProfile profile;
  const std::vector<uint8_t> block = BlockWithMaxSpeed(1234);
  TuningState state;
  LoadTuning(state, block.data(), profile, "Wood");
  EXPECT_EQ(state.power1, 400);
  EXPECT_EQ(state.power2, 400);
  EXPECT_EQ(state.speed, 1234);
  EXPECT_EQ(state.lineLagTweak, 0);
  EXPECT_EQ(state.mechTweak, 0);
  EXPECT_EQ(profile.bufferSizes, std::vector<size_t>(5, 16));

  SaveTuning(state, block.data(), profile, "Wood");
  const std::vector<std::string> want = {"LaserTweakPower1=400", "LaserTweakPower2=400", "LaserTweakSpeed=100",
                                         "LLTweak=0", "MechTweak=0"};
  EXPECT_EQ(profile.writes, want);
  EXPECT_EQ(profile.values.count("Wood/LLTweak"), 1u);
}

TEST(TuningSettings, StoredValuesOutsideTheirRangesLeaveZero) {
  struct Case {
    const char* key;
    const char* text;
    int32_t TuningState::*field;
    int32_t want;
  };
  const Case cases[] = {
      {"LaserTweakPower1", "1000", &TuningState::power1, 1000},
      {"LaserTweakPower1", "0", &TuningState::power1, 0},
      {"LaserTweakPower1", "1001", &TuningState::power1, 0},
      {"LaserTweakPower1", "-1", &TuningState::power1, 0},
      {"LaserTweakPower1", "455", &TuningState::power1, 455},
      {"LaserTweakPower2", "700", &TuningState::power2, 700},
      {"LaserTweakPower2", "abc", &TuningState::power2, 0},
      {"LaserTweakSpeed", "45%", &TuningState::speed, 45},
      {"LaserTweakSpeed", "101", &TuningState::speed, 0},
      {"LaserTweakSpeed", "", &TuningState::speed, 0},
      {"LLTweak", "-10", &TuningState::lineLagTweak, -10},
      {"LLTweak", "-11", &TuningState::lineLagTweak, 0},
      {"LLTweak", "  +7 steps", &TuningState::lineLagTweak, 7},
      {"MechTweak", "10", &TuningState::mechTweak, 10},
      {"MechTweak", "11", &TuningState::mechTweak, 0},
      {"MechTweak", "99999999999", &TuningState::mechTweak, 0},
      // Only 15 characters arrive: the number is cut to 000000000000 in the buffer.
      {"MechTweak", "0000000000000005", &TuningState::mechTweak, 0},
      {"MechTweak", "000000000000005", &TuningState::mechTweak, 5},
  };
  const std::vector<uint8_t> block = BlockWithMaxSpeed(100);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.key) + "=" + c.text);
    MemoryProfile profile;
    profile.values[std::string("S/") + c.key] = c.text;
    TuningState state;
    LoadTuning(state, block.data(), profile, "S");
    EXPECT_EQ(state.*c.field, c.want);
  }
}

TEST(TuningSettings, SpeedPercentIsConvertedBothWays) {
  MemoryProfile profile;
  profile.values["S/LaserTweakSpeed"] = "50";
  const std::vector<uint8_t> block = BlockWithMaxSpeed(3);
  TuningState state;
  LoadTuning(state, block.data(), profile, "S");
  EXPECT_EQ(state.speed, 1);
  SaveTuning(state, block.data(), profile, "S");
  EXPECT_EQ(profile.values["S/LaserTweakSpeed"], "33");

  profile.values["S/LaserTweakSpeed"] = "101";
  TuningState fresh;
  LoadTuning(fresh, block.data(), profile, "S");
  SaveTuning(fresh, block.data(), profile, "S");
  EXPECT_EQ(profile.values["S/LaserTweakSpeed"], "0");
}

TEST(TuningSettings, SecondPowerKeyAlwaysTakesTheFirstPower) {
  MemoryProfile profile;
  profile.values["S/LaserTweakPower1"] = "300";
  profile.values["S/LaserTweakPower2"] = "700";
  const std::vector<uint8_t> block = BlockWithMaxSpeed(100);
  TuningState state;
  LoadTuning(state, block.data(), profile, "S");
  EXPECT_EQ(state.power2, 700);
  SaveTuning(state, block.data(), profile, "S");
  EXPECT_EQ(profile.values["S/LaserTweakPower1"], "300");
  EXPECT_EQ(profile.values["S/LaserTweakPower2"], "300");
}

TEST(TuningSettings, SaveWritesWithoutRangeChecks) {
  MemoryProfile profile;
  const std::vector<uint8_t> block = BlockWithMaxSpeed(200);
  TuningState state;
  state.power1 = 1500;
  state.speed = 301;
  state.lineLagTweak = -12;
  state.mechTweak = 20;
  SaveTuning(state, block.data(), profile, "S");
  const std::vector<std::string> want = {"LaserTweakPower1=1500", "LaserTweakPower2=1500", "LaserTweakSpeed=150",
                                         "LLTweak=-12", "MechTweak=20"};
  EXPECT_EQ(profile.writes, want);
}

TEST(TuningSettings, ZeroMaxSpeedKeepsTheStoredPercent) {
  const std::vector<uint8_t> block = BlockWithMaxSpeed(0);
  const std::pair<const char*, const char*> cases[] = {{"65", "65"}, {nullptr, "100"}, {"300", "0"}};
  for (const auto& [stored, written] : cases) {
    MemoryProfile profile;
    if (stored) profile.values["S/LaserTweakSpeed"] = stored;
    TuningState state;
    LoadTuning(state, block.data(), profile, "S");
    EXPECT_EQ(state.speed, 0);
    SaveTuning(state, block.data(), profile, "S");
    EXPECT_EQ(profile.values["S/LaserTweakSpeed"], written);
  }
}
