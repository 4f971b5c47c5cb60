// The arithmetic of the test job's progress bar.
#include "wizard/core/progress_bar.h"

#include <algorithm>

int ProgressRight(int right, int percent) {
  return static_cast<int>(static_cast<double>(right) * std::clamp(percent, 0, 100) * 0.01);
}
