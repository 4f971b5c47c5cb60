// Where the driver settings block lives while the wizard runs (fixed global memory on
// Windows).
#pragma once
#include <cstddef>
#include <cstdint>

class SettingsMemory {
 public:
  virtual ~SettingsMemory() = default;
  // Null when the memory cannot be had.
  virtual uint8_t* Allocate(size_t size) = 0;
  virtual void Free(uint8_t* block) = 0;
};
