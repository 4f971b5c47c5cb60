// The wizard's command line.
#include "wizard/core/tuning_command.h"

#include <algorithm>
#include <cstring>

#include "common/decimal_scan.h"

namespace {

const char* SkipSpace(const char* p) {
  while (IsScanSpace(*p)) ++p;
  return p;
}

// " [" name " ]": advances `p` past the closing bracket; false at the first mismatch, with
// `p` after the name when the name itself was read.
bool BracketedName(const char*& p, std::string* name, bool* nameRead) {
  *nameRead = false;
  p = SkipSpace(p);
  if (*p != '[') return false;
  const char* start = ++p;
  while (*p && *p != ']') ++p;
  if (p == start) return false;
  const size_t length = static_cast<size_t>(p - start);
  name->assign(start, std::min(length, kMaxBracketName));
  *nameRead = true;
  p = SkipSpace(p);
  if (*p != ']') return false;
  ++p;
  return true;
}

}  // namespace

bool IsTuningCommand(const char* commandLine) {
  const char* p = SkipSpace(commandLine ? commandLine : "");
  return std::strncmp(p, "-mt", 3) == 0 && (p[3] == '\0' || IsScanSpace(p[3]));
}

TuningCommand ScanTuningCommand(const char* commandLine) {
  TuningCommand command;
  const char* p = commandLine ? commandLine : "";
  if (std::strncmp(p, "-mt", 3) != 0) return command;
  p += 3;
  bool nameRead = false;
  const bool deviceClosed = BracketedName(p, &command.deviceName, &nameRead);
  command.items += nameRead;
  if (!deviceClosed) return command;
  const bool sectionClosed = BracketedName(p, &command.iniSection, &nameRead);
  command.items += nameRead;
  if (!sectionClosed) return command;
  int32_t numbers[4] = {};
  for (int32_t& number : numbers) {
    const size_t used = ScanInt(p, &number);
    if (used == 0) break;
    p += used;
    ++command.items;
  }
  command.pointX = numbers[0];
  command.pointY = numbers[1];
  return command;
}
