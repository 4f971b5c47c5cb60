// The tuned values in LASER.INI: rounding, speed scale, defaults, ranges, load and save.
#include "wizard/core/tuning_settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "wizard/core/driver_settings.h"
#include "wizard/core/round_to_int.h"

namespace {

// A profile section in memory that copies values the way GetPrivateProfileStringA does, and
// keeps the written values in order.
struct MemoryProfile : ProfileStore {
  std::map<std::string, std::string> values;
  std::string keys, writes;
  void GetString(const char*, const char* key, const char* defaultText, char* buffer, size_t size) override {
    const std::string text = values.count(key) ? values[key] : defaultText;
    buffer[text.copy(buffer, size - 1)] = '\0';
  }
  void WriteString(const char*, const char* key, const char* text) override {
    keys += std::string(key) + " ";
    writes += std::string(writes.empty() ? "" : " ") + text;
    values[key] = text;
  }
};

}  // namespace

// The speed scale is seen through the speed box and the load and save below.
TEST(TuningArithmetic, RoundToInt) {
  const std::pair<double, int32_t> rounds[] = {{1.5, 1},
                                               {2.51, 3},
                                               {0.5000001, 1},
                                               {-2.7, -2},
                                               {-1.5, -1},
                                               {33.3, 33},
                                               {1e300, INT32_MAX},
                                               {-1e300, INT32_MIN},
                                               {2147483646.9, INT32_MAX},
                                               {NAN, 0}};
  for (const auto& [x, want] : rounds) EXPECT_EQ(RoundToInt(x), want) << x;
}

// Loads the stored keys (defaults for missing ones; a value out of range leaves its field
// at 0) and saves them back: power1 under both power keys, the speed through maxSpeed.
TEST(TuningSettings, LoadThenSave) {
  // maxSpeed, the stored keys, the values written to LaserTweakPower1, LaserTweakPower2,
  // LaserTweakSpeed, LLTweak and MechTweak.
  const std::tuple<int16_t, std::map<std::string, std::string>, const char*> cases[] = {
      {1234, {}, "400 400 100 0 0"},
      {100,
       {{"LaserTweakPower1", "1000"}, {"LaserTweakSpeed", "45%"}, {"LLTweak", "-10"}, {"MechTweak", "10"}},
       "1000 1000 45 -10 10"},
      {100,
       {{"LaserTweakPower1", "1001"}, {"LaserTweakSpeed", "101"}, {"LLTweak", "-11"}, {"MechTweak", "11"}},
       "0 0 0 0 0"},
      {100,
       {{"LaserTweakPower1", "-1"}, {"LaserTweakSpeed", ""}, {"LLTweak", "  +7 x"}, {"MechTweak", "99999999999"}},
       "0 0 0 7 0"},
      // Only 15 characters arrive: 16 digits are cut to a 0.
      {100,
       {{"LaserTweakPower1", "abc"}, {"LLTweak", "000000000000005"}, {"MechTweak", "0000000000000005"}},
       "0 0 100 5 0"},
      // Without a scale the stored percent is written back as the load reads it.
      {0, {{"LaserTweakSpeed", "65"}}, "400 400 65 0 0"},
      {0, {{"LaserTweakSpeed", "101"}}, "400 400 0 0 0"},
      {0, {{"LaserTweakSpeed", "-1"}}, "400 400 0 0 0"},
  };
  for (const auto& [maxSpeed, stored, written] : cases) {
    std::vector<uint8_t> block(kDriverSettingsSize);
    PutU16(block.data(), settings_offset::maxSpeed, static_cast<uint16_t>(maxSpeed));
    MemoryProfile profile;
    profile.values = stored;
    TuningState state;
    LoadTuning(state, block.data(), profile, "S");
    SaveTuning(state, block.data(), profile, "S");
    EXPECT_EQ(profile.writes, written);
    EXPECT_EQ(profile.keys, "LaserTweakPower1 LaserTweakPower2 LaserTweakSpeed LLTweak MechTweak ");
  }
}
