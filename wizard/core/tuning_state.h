// The tuned values of one run, loaded from and saved to LASER.INI.
#pragma once
#include <cstdint>

struct TuningState {
  int32_t patternX = 0;      // thousandths of an inch; set by the test job
  int32_t patternY = 0;      // thousandths of an inch; set by the test job
  int32_t power1 = 0;        // tenths of a percent, 0..1000
  int32_t power2 = 0;        // tenths of a percent, 0..1000; loaded, never saved
  int32_t speed = 0;         // driver speed units; 100 % is the block's maxSpeed
  int32_t lineLagTweak = 0;  // -10..10
  int32_t mechTweak = 0;     // -10..10, shown as 'A'..'U'
};

// Where the sample lies on the bed, thousandths of an inch from the rulers.
struct SampleOrigin {
  int32_t x;
  int32_t y;
};
