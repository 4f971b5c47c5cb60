// The wizard's rounding rule for turning a real into an integer.
#pragma once
#include <cstdint>

// The integer part of x (toward zero), plus one when the fraction exceeds one half: 1.5
// gives 1, 2.51 gives 3, -2.7 gives -2. Values beyond the int32 range saturate; NaN gives 0.
int32_t RoundToInt(double x);
