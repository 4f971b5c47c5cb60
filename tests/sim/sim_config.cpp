// The simulated driver's configuration from the environment.
#include "tests/sim/sim_config.h"

#include <windows.h>

#include <sstream>
#include <vector>

std::string SimSetting(const char* name) {
  const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
  if (size == 0) return std::string();
  std::vector<char> value(size);
  const DWORD length = GetEnvironmentVariableA(name, value.data(), size);
  return std::string(value.data(), length < size ? length : 0);
}

bool SimFails(const std::string& name) {
  std::istringstream switches(SimSetting("QEXWIZ_SIM_FAIL"));
  std::string item;
  while (std::getline(switches, item, ',')) {
    if (item == name) return true;
  }
  return false;
}
