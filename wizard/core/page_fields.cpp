// The arithmetic behind the wizard's power, speed and letter boxes.
#include "wizard/core/page_fields.h"

#include <algorithm>
#include <limits>

#include "wizard/core/round_to_int.h"
#include "wizard/core/speed_scale.h"
#include "common/decimal_scan.h"

namespace {

// The leading number of a box as "%d" reads it; a number beyond 32 bits saturates, so
// that a long row of digits still counts as large rather than as no number at all.
bool BoxNumber(const char* text, int32_t* value) {
  if (ScanInt(text, value) > 0) return true;
  const char* p = text;
  while (IsScanSpace(*p)) ++p;
  const bool negative = *p == '-';
  if (*p == '+' || *p == '-') ++p;
  if (*p < '0' || *p > '9') return false;
  *value = negative ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int32_t>::max();
  return true;
}

}  // namespace

std::string PlacementText(bool metric) {
  return std::string("Next, place the sample material flush against the top ruler and ") +
         (metric ? "10 cm" : "4 inches") + " from the left ruler, as shown below.";
}

std::string PowerText(int32_t power) { return std::to_string(static_cast<uint32_t>(power / 10)) + "%"; }

int32_t PowerFromText(const char* text) {
  int32_t v;
  if (!BoxNumber(text, &v)) return 200;
  return std::clamp(v, 20, 80) * 10;
}

int32_t StepPower(int code, int32_t power) {
  int32_t p = power / 10;
  if (code == kScrollLineUp) ++p;
  if (code == kScrollLineDown) --p;
  return std::clamp(p, 0, 100) * 10;
}

std::string SpeedText(int32_t speed, int32_t maxSpeed) {
  return std::to_string(PercentFromSpeed(speed, maxSpeed)) + "%";
}

int32_t SpeedFromText(const char* text, int32_t maxSpeed) {
  int32_t v;
  if (!BoxNumber(text, &v)) return 0;
  return SpeedFromPercent(std::clamp(v, 0, 100), maxSpeed);
}

int32_t StepSpeed(int code, int32_t speed, int32_t maxSpeed) {
  if (maxSpeed == 0) return 0;
  double f = static_cast<double>(speed) / static_cast<double>(maxSpeed);
  if (code == kScrollLineUp) f += 0.01;
  if (code == kScrollLineDown) f -= 0.01;
  return RoundToInt(static_cast<double>(maxSpeed) * std::clamp(f, 0.0, 1.0));
}

std::string LetterText(int32_t mechTweak) { return std::string(1, static_cast<char>('K' + mechTweak)); }

int32_t TweakFromLetterText(const char* text, int32_t current) {
  char c = text[0];
  if (c >= 'a' && c <= 'u') c = static_cast<char>(c - 'a' + 'A');
  if (c < 'A' || c > 'U') return current;
  return c - 'K';
}
