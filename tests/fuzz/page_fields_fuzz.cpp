// The power, speed and letter boxes: a maxSpeed, an arrow code and the box's text.
#include <cstdint>
#include <string>

#include "common/little_endian.h"
#include "wizard/core/page_fields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 5) return 0;
  const int32_t maxSpeed = static_cast<int32_t>(GetU32(data));
  const int code = data[4] % 3;
  const std::string text(reinterpret_cast<const char*>(data + 5), size - 5);
  PowerText(StepPower(code, PowerFromText(text.c_str())));
  SpeedText(StepSpeed(code, SpeedFromText(text.c_str(), maxSpeed), maxSpeed), maxSpeed);
  LetterText(TweakFromLetterText(text.c_str(), 0));
  return 0;
}
