// The wizard's command line: "-mt [device name] [section] x y a b", the names in brackets
// (blanks inside them belong to the names) and a screen point inside the caller's window.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

constexpr size_t kMaxBracketName = 127;

struct TuningCommand {
  std::string deviceName;  // at most kMaxBracketName characters; a longer name is cut
  std::string iniSection;  // likewise
  int32_t pointX = 0;      // screen coordinates of the point in the caller's window
  int32_t pointY = 0;
  int items = 0;  // fields read before the first mismatch: 0 to 6, as a scanf count
  bool HasPoint() const { return items >= 4; }
};

// True when the first white-space-delimited word is exactly "-mt".
bool IsTuningCommand(const char* commandLine);

// Scans the whole line as "-mt [%[^]] ] [%[^]] ] %d %d %d %d" does: "-mt" at the very start,
// each bracketed name at least one character up to the next "]", white space optional
// around the brackets, then four integers. Scanning stops at the first mismatch; what was
// not reached stays empty or zero.
TuningCommand ScanTuningCommand(const char* commandLine);
