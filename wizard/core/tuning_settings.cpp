// Loading and saving the tuned values in LASER.INI.
#include "wizard/core/tuning_settings.h"

#include <string>

#include "wizard/core/driver_settings.h"
#include "wizard/core/speed_scale.h"
#include "common/decimal_scan.h"

namespace {

const char kPower1[] = "LaserTweakPower1";
const char kPower2[] = "LaserTweakPower2";
const char kSpeed[] = "LaserTweakSpeed";
const char kLineLag[] = "LLTweak";
const char kMech[] = "MechTweak";
const char kSpeedDefault[] = "100";

// Reads a key through a 16-byte buffer and scans it with "%d"; true when one integer
// within [low, high] was found.
bool ReadKey(ProfileStore& store, const char* section, const char* key, const char* defaultText, int32_t low,
             int32_t high, int32_t* value) {
  char text[16] = "";
  store.GetString(section, key, defaultText, text, sizeof text);
  int32_t scanned = *value;
  if (ScanInt(text, &scanned) == 0 || scanned < low || scanned > high) return false;
  *value = scanned;
  return true;
}

void WriteKey(ProfileStore& store, const char* section, const char* key, int32_t value) {
  store.WriteString(section, key, std::to_string(value).c_str());
}

}  // namespace

void LoadTuning(TuningState& state, const uint8_t* settings, ProfileStore& store, const char* section) {
  ReadKey(store, section, kPower1, "400", 0, 1000, &state.power1);
  ReadKey(store, section, kPower2, "400", 0, 1000, &state.power2);
  // The stored percent passes through `speed` on its way to speed units.
  if (ReadKey(store, section, kSpeed, kSpeedDefault, 0, 100, &state.speed)) {
    state.speed = SpeedFromPercent(state.speed, MaxSpeed(settings));
  }
  ReadKey(store, section, kLineLag, "0", -10, 10, &state.lineLagTweak);
  ReadKey(store, section, kMech, "0", -10, 10, &state.mechTweak);
}

void SaveTuning(const TuningState& state, const uint8_t* settings, ProfileStore& store, const char* section) {
  WriteKey(store, section, kPower1, state.power1);
  WriteKey(store, section, kPower2, state.power1);
  const int32_t maxSpeed = MaxSpeed(settings);
  int32_t percent = 0;
  if (maxSpeed != 0) {
    percent = PercentFromSpeed(state.speed, maxSpeed);
  } else {
    ReadKey(store, section, kSpeed, kSpeedDefault, 0, 100, &percent);
  }
  WriteKey(store, section, kSpeed, percent);
  WriteKey(store, section, kLineLag, state.lineLagTweak);
  WriteKey(store, section, kMech, state.mechTweak);
}
