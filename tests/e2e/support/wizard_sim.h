// Running the wizard against the simulated driver (QexWizSim.exe) and looking at LASER.INI.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Sets the simulated driver's environment in this process, so that every program the test
// starts inherits it: the printer name, a settings file and a log file in a fresh folder.
// The destructor clears the variables.
class SimDriver {
 public:
  explicit SimDriver(const std::string& printer);
  ~SimDriver();
  SimDriver(const SimDriver&) = delete;
  SimDriver& operator=(const SimDriver&) = delete;

  // The bytes the driver reports as its settings block (any size).
  void WriteSettings(const std::vector<uint8_t>& block) const;
  // Comma-separated failure switches (docprops, createdc, startdoc, startpage1..3).
  void SetFailures(const std::string& switches) const;
  std::vector<std::string> LogLines() const;

 private:
  std::string settingsPath_;
  std::string logPath_;
};

// A 1564-byte settings block of zeros with the given maxSpeed and metricUnits.
std::vector<uint8_t> DriverBlock(int16_t maxSpeed, bool metric);

// LASER.INI where the profile API keeps it: the Windows folder.
std::string LaserIniPath();
// The whole file, or "" when it does not exist.
std::string ReadTextFile(const std::string& path);
void WriteTextFile(const std::string& path, const std::string& text);
// A key's value read from the file's text, or "<missing>".
std::string IniValue(const std::string& section, const std::string& key);
