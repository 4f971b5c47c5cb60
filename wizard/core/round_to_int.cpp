// The wizard's rounding rule.
#include "wizard/core/round_to_int.h"

#include <algorithm>
#include <cmath>
#include <limits>

int32_t RoundToInt(double x) {
  if (std::isnan(x)) return 0;
  double integer = 0.0;
  const double fraction = std::modf(x, &integer);
  if (fraction > 0.5) integer += 1.0;
  return static_cast<int32_t>(std::clamp(integer, static_cast<double>(std::numeric_limits<int32_t>::min()),
                                         static_cast<double>(std::numeric_limits<int32_t>::max())));
}
