// The tuned values in LASER.INI: defaults, ranges, the speed scale, load and save.
#include "wizard/core/tuning_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "wizard/core/driver_settings.h"

namespace {

constexpr std::array<const char*, 5> kKeys = {"LaserTweakPower1", "LaserTweakPower2", "LaserTweakSpeed", "LLTweak",
                                              "MechTweak"};

// A profile section in memory that copies values the way GetPrivateProfileStringA does; a key
// other than the five throws.
struct MemoryProfile : ProfileStore {
  std::array<const char*, 5> stored;  // in the order of kKeys; null for a missing key
  std::array<std::string, 5> written;
  size_t Index(const char* key) { return std::find(kKeys.begin(), kKeys.end(), std::string(key)) - kKeys.begin(); }
  void GetString(const char*, const char* key, const char* defaultText, char* buffer, size_t size) override {
    buffer[std::string(stored.at(Index(key)) ? stored[Index(key)] : defaultText).copy(buffer, size - 1)] = '\0';
  }
  void WriteString(const char*, const char* key, const char* text) override { written.at(Index(key)) += text; }
};

}  // namespace

// Loads the stored keys into a fresh state or one whose fields hold 5 (a missing key reads its
// default, a value out of range leaves its field) and saves them back: power1 under both power
// keys, the speed through maxSpeed.
TEST(TuningSettings, LoadThenSave) {
  // Preset to 5, maxSpeed, the stored keys, the values saved under the five keys (each once) / the loaded power2.
  const std::tuple<bool, int16_t, std::array<const char*, 5>, const char*> cases[] = {
      {true, 100, {"1000", "1000", "100", "-10", "10"}, "1000 1000 100 -10 10/1000"},
      {true, 100, {"0", "0", "0", "10", "-10"}, "0 0 0 10 -10/0"},
      {false, 100, {"1001", "1001", "101", "-11", "11"}, "0 0 0 0 0/0"},
      {true, 100, {"-1", "-1", "-1", "11", "-11"}, "5 5 5 5 5/5"},
      {true, 100, {"abc", "", "45%", "  +7 x", "99999999999"}, "5 5 45 7 5/5"},
      // Only 15 characters arrive: 16 digits are cut to a 0.
      {true, 100, {nullptr, nullptr, nullptr, "000000000000005", "0000000000000005"}, "400 400 100 5 0/400"},
      // 50 % of 3 loads as 1 and saves as 33 %.
      {true, 3, {nullptr, nullptr, "50"}, "400 400 33 0 0/400"},
      // Without a scale the stored percent is written back as the load reads it, 0 when it cannot.
      {true, 0, {nullptr, nullptr, "65"}, "400 400 65 0 0/400"},
      {true, 0, {nullptr, nullptr, "101"}, "400 400 0 0 0/400"},
  };
  for (const auto& [preset, maxSpeed, stored, saved] : cases) {
    std::vector<uint8_t> block(kDriverSettingsSize);
    PutU16(block.data(), settings_offset::maxSpeed, static_cast<uint16_t>(maxSpeed));
    MemoryProfile profile;
    profile.stored = stored;
    TuningState state = preset ? TuningState{0, 0, 5, 5, 5, 5, 5} : TuningState{};
    LoadTuning(state, block.data(), profile, "S");
    SaveTuning(state, block.data(), profile, "S");
    const std::array<std::string, 5>& w = profile.written;
    EXPECT_EQ(w[0] + " " + w[1] + " " + w[2] + " " + w[3] + " " + w[4] + "/" + std::to_string(state.power2), saved);
  }
}
