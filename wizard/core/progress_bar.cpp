// The arithmetic of the test job's progress bar.
#include "wizard/core/progress_bar.h"

int ClampPercent(int percent) {
  if (percent < 0) return 0;
  if (percent > 100) return 100;
  return percent;
}

int ProgressRight(int right, int percent) {
  return static_cast<int>(static_cast<double>(right) * ClampPercent(percent) * 0.01);
}
