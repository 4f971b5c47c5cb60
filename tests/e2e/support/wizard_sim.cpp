// Running the wizard against the simulated driver and looking at LASER.INI.
#include "tests/e2e/support/wizard_sim.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "tests/e2e/support/process.h"
#include "wizard/core/driver_settings.h"

SimDriver::SimDriver(const std::string& printer) {
  const std::string dir = MakeTempDir("wizsim");
  settingsPath_ = dir + "\\settings.bin";
  logPath_ = dir + "\\driver.log";
  SetEnvironmentVariableA("QEXWIZ_SIM_PRINTER", printer.c_str());
  SetEnvironmentVariableA("QEXWIZ_SIM_SETTINGS", settingsPath_.c_str());
  SetEnvironmentVariableA("QEXWIZ_SIM_LOG", logPath_.c_str());
  SetEnvironmentVariableA("QEXWIZ_SIM_FAIL", nullptr);
}

SimDriver::~SimDriver() {
  for (const char* name : {"QEXWIZ_SIM_PRINTER", "QEXWIZ_SIM_SETTINGS", "QEXWIZ_SIM_LOG", "QEXWIZ_SIM_FAIL"}) {
    SetEnvironmentVariableA(name, nullptr);
  }
}

void SimDriver::WriteSettings(const std::vector<uint8_t>& block) const {
  std::ofstream(settingsPath_, std::ios::binary).write(reinterpret_cast<const char*>(block.data()),
                                                       static_cast<std::streamsize>(block.size()));
}

void SimDriver::SetFailures(const std::string& switches) const {
  SetEnvironmentVariableA("QEXWIZ_SIM_FAIL", switches.c_str());
}

std::vector<std::string> SimDriver::LogLines() const {
  std::istringstream text(ReadTextFile(logPath_));
  std::vector<std::string> lines;
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

std::vector<uint8_t> DriverBlock(int16_t maxSpeed, bool metric) {
  std::vector<uint8_t> block(kDriverSettingsSize);
  PutU16(block.data(), settings_offset::maxSpeed, static_cast<uint16_t>(maxSpeed));
  PutU8(block.data(), settings_offset::metricUnits, metric ? 1 : 0);
  return block;
}

std::string LaserIniPath() {
  char dir[MAX_PATH] = "";
  GetWindowsDirectoryA(dir, MAX_PATH);
  return std::string(dir) + "\\LASER.INI";
}

std::string ReadTextFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteTextFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string IniValue(const std::string& section, const std::string& key) {
  std::istringstream text(ReadTextFile(LaserIniPath()));
  bool inSection = false;
  for (std::string line; std::getline(text, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line.front() == '[') {
      inSection = lstrcmpiA(line.c_str(), ("[" + section + "]").c_str()) == 0;
    } else if (inSection && lstrcmpiA(line.substr(0, key.size() + 1).c_str(), (key + "=").c_str()) == 0) {
      return line.substr(key.size() + 1);
    }
  }
  return "<missing>";
}
