// LASER.INI values: the input holds a maxSpeed and the five keys' texts, one a line.
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "wizard/core/driver_settings.h"
#include "wizard/core/tuning_settings.h"

namespace {

class FuzzedProfile : public ProfileStore {
 public:
  explicit FuzzedProfile(std::string values) : values_(std::move(values)) {}
  void GetString(const char*, const char*, const char*, char* buffer, size_t size) override {
    const size_t end = values_.find('\n');
    const std::string value = values_.substr(0, end);
    values_ = end == std::string::npos ? "" : values_.substr(end + 1);
    std::strncpy(buffer, value.c_str(), size - 1);
    buffer[size - 1] = '\0';
  }
  void WriteString(const char*, const char*, const char*) override {}

 private:
  std::string values_;
};

bool Within(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  uint8_t settings[kDriverSettingsSize] = {};
  PutU16(settings, settings_offset::maxSpeed, GetU16(data));
  FuzzedProfile store(std::string(reinterpret_cast<const char*>(data + 2), size - 2));
  TuningState state;
  LoadTuning(state, settings, store, "Section");
  SaveTuning(state, settings, store, "Section");
  if (!Within(state.power1, 0, 1000) || !Within(state.power2, 0, 1000) || !Within(state.lineLagTweak, -10, 10) ||
      !Within(state.mechTweak, -10, 10)) {
    std::abort();
  }
  return 0;
}
