// The driver's document settings block: the platform's public DEVMODE part (offsets 0 to
// 155) and the driver's private part, 1564 bytes in all, little-endian. The block is a
// wire format shared with the driver, so every offset here binds.
#pragma once
#include <cstddef>
#include <cstdint>

#include "common/little_endian.h"
#include "wizard/core/tuning_state.h"

constexpr size_t kDriverSettingsSize = 1564;

namespace settings_offset {
constexpr size_t dmFields = 40;       // u32
constexpr size_t dmOrientation = 44;  // i16
constexpr size_t dmDitherType = 136;  // u32
constexpr size_t jobPower = 156;      // u16, tenths of a percent
constexpr size_t jobSpeed = 188;      // i16, driver speed units
constexpr size_t maxSpeed = 246;      // i16, speed that stands for 100 %
constexpr size_t metricUnits = 308;   // u8
constexpr size_t xResolution = 312;   // i16, dots per inch
constexpr size_t yResolution = 314;   // i16, dots per inch
constexpr size_t jobLineLag = 1488;   // i16
constexpr size_t jobWord1486 = 1486;  // u16, the test job sets 0
constexpr size_t hashPacket = 1500;   // u8: nonzero starts the test job with ESC #
constexpr size_t jobByte1501 = 1501;  // u8, the test job sets 0
constexpr size_t jobWord1542 = 1542;  // u16, the test job sets 1
constexpr size_t speedFactor = 1544;  // u8: the ESC T speed byte uses this minus 1
// Private fields that the wizard only forces to fixed values when it opens the block; their
// meaning lies in the driver.
constexpr size_t openFlag304 = 304;    // u8, set to 1
constexpr size_t openFlag305 = 305;    // u8, set to 0
constexpr size_t openFlag306 = 306;    // u8, set to 0
constexpr size_t openFlag307 = 307;    // u8, set to 0
constexpr size_t openFlag309 = 309;    // u8, set to 1
constexpr size_t openFlag325 = 325;    // u8, set to 0
constexpr size_t openFlag327 = 327;    // u8, set to 0
constexpr size_t openWord336 = 336;    // u16, set to 0
constexpr size_t openWord342 = 342;    // u16, set to 1000
constexpr size_t openWord1362 = 1362;  // u16, set to 0
constexpr size_t openWord1548 = 1548;  // u16, set to 66
constexpr size_t openWord1552 = 1552;  // u16, set to 0
}  // namespace settings_offset

inline uint8_t GetU8(const uint8_t* block, size_t offset) { return block[offset]; }
inline uint16_t GetU16(const uint8_t* block, size_t offset) { return GetU16(block + offset); }
inline int16_t GetI16(const uint8_t* block, size_t offset) { return static_cast<int16_t>(GetU16(block, offset)); }
inline void PutU8(uint8_t* block, size_t offset, uint8_t value) { block[offset] = value; }
inline void PutU16(uint8_t* block, size_t offset, uint16_t value) { PutU16(block + offset, value); }
inline void PutU32(uint8_t* block, size_t offset, uint32_t value) { PutU32(block + offset, value); }

// The speed that stands for 100 % of the speed scale, in the driver's units.
inline int32_t MaxSpeed(const uint8_t* block) { return GetI16(block, settings_offset::maxSpeed); }
// The user works in metric units: the sample's distance and page 2 follow it.
inline bool MetricUnits(const uint8_t* block) { return GetU8(block, settings_offset::metricUnits) != 0; }

// Writes the values that the wizard forces into a freshly read block: landscape, the
// fields mask 13, no dithering, and the driver's private settings listed in
// settings_offset. Every other byte keeps the driver's value.
void ApplyOpenDefaults(uint8_t* block);

// Where the sample lies: flush against the top ruler, 10 cm (3937 thousandths of an inch)
// from the left ruler when the block's metricUnits is set, else 4 inches.
SampleOrigin SampleOriginFromSettings(const uint8_t* block);
