// The arithmetic of the test job's progress bar: which part of the control is filled.
#pragma once

// The right edge of the filled part of a control whose client area ends at `right`, the
// percent held to 0..100.
int ProgressRight(int right, int percent);
