// The fixed values that the wizard forces into the driver's settings block when it opens
// it, and what the wizard reads from the block for the sample.
#include "wizard/core/driver_settings.h"

void ApplyOpenDefaults(uint8_t* block) {
  PutU16(block, settings_offset::dmOrientation, 2);  // DMORIENT_LANDSCAPE
  PutU8(block, settings_offset::openFlag304, 1);
  PutU8(block, settings_offset::openFlag309, 1);
  PutU8(block, settings_offset::openFlag307, 0);
  PutU8(block, settings_offset::openFlag325, 0);
  PutU8(block, settings_offset::openFlag306, 0);
  PutU32(block, settings_offset::dmDitherType, 0);
  PutU16(block, settings_offset::openWord336, 0);
  PutU8(block, settings_offset::openFlag327, 0);
  PutU16(block, settings_offset::openWord342, 1000);
  PutU8(block, settings_offset::openFlag305, 0);
  // DM_ORIENTATION | DM_PAPERLENGTH | DM_PAPERWIDTH, whatever the driver had set.
  PutU32(block, settings_offset::dmFields, 13);
  PutU16(block, settings_offset::openWord1548, 66);
  PutU16(block, settings_offset::openWord1552, 0);
  PutU16(block, settings_offset::openWord1362, 0);
}

SampleOrigin SampleOriginFromSettings(const uint8_t* block) { return {MetricUnits(block) ? 3937 : 4000, 0}; }
