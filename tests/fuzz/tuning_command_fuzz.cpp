// The wizard's "-mt [device] [section] x y a b" command line.
#include <cstdlib>
#include <string>

#include "wizard/core/tuning_command.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  IsTuningCommand(line.c_str());
  const TuningCommand command = ScanTuningCommand(line.c_str());
  if (command.deviceName.size() > kMaxBracketName || command.iniSection.size() > kMaxBracketName || command.items < 0 ||
      command.items > 6) {
    std::abort();
  }
  return 0;
}
