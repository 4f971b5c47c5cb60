// The wizard's rounding rule.
#include "wizard/core/round_to_int.h"

#include <cmath>
#include <limits>

int32_t RoundToInt(double x) {
  if (std::isnan(x)) return 0;
  double integer = 0.0;
  const double fraction = std::modf(x, &integer);
  if (fraction > 0.5) integer += 1.0;
  if (integer >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
    return std::numeric_limits<int32_t>::max();
  }
  if (integer <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
    return std::numeric_limits<int32_t>::min();
  }
  return static_cast<int32_t>(integer);
}
