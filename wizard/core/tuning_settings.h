// Loading the tuned values from LASER.INI and saving them back, in the caller's section.
#pragma once
#include <cstdint>

#include "wizard/core/profile_store.h"
#include "wizard/core/tuning_state.h"

// Reads the five keys (defaults for missing ones) into `state`; a value that does not scan
// as an integer or lies outside its key's range leaves its field as it was. The speed is
// stored as a percent of the block's maxSpeed and loaded in speed units.
void LoadTuning(TuningState& state, const uint8_t* settings, ProfileStore& store, const char* section);

// Writes the five keys: power1 under both power keys, the speed as a percent of maxSpeed.
// With a maxSpeed of 0 the speed has no scale, and the stored percent is written back as
// the load reads it.
void SaveTuning(const TuningState& state, const uint8_t* settings, ProfileStore& store, const char* section);
