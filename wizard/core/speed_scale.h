// Conversions between a speed in percent and the driver's speed units, where the block's
// maxSpeed stands for 100 %.
#pragma once
#include <cstdint>

// RoundToInt(double(percent * maxSpeed) * 0.01), the product formed as a 32-bit integer.
int32_t SpeedFromPercent(int32_t percent, int32_t maxSpeed);

// RoundToInt(speed * 100.0 / maxSpeed) in double precision. A maxSpeed of 0 has no scale:
// the result is then 0 rather than a division by zero.
int32_t PercentFromSpeed(int32_t speed, int32_t maxSpeed);
