// Conversions between a speed in percent and the driver's speed units.
#include "wizard/core/speed_scale.h"

#include "wizard/core/round_to_int.h"

int32_t SpeedFromPercent(int32_t percent, int32_t maxSpeed) {
  // Wrapping 32-bit product, as the driver's own arithmetic forms it.
  const int32_t product = static_cast<int32_t>(static_cast<uint32_t>(percent) * static_cast<uint32_t>(maxSpeed));
  return RoundToInt(static_cast<double>(product) * 0.01);
}

int32_t PercentFromSpeed(int32_t speed, int32_t maxSpeed) {
  if (maxSpeed == 0) return 0;
  return RoundToInt(static_cast<double>(speed) * 100.0 / static_cast<double>(maxSpeed));
}
