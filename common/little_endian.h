// Little-endian loads and stores of 16- and 32-bit values in a byte buffer; the caller
// makes sure the bytes lie inside it.
#pragma once
#include <cstdint>

inline void PutU16(uint8_t* out, uint16_t value) {
  out[0] = static_cast<uint8_t>(value);
  out[1] = static_cast<uint8_t>(value >> 8);
}

inline void PutU32(uint8_t* out, uint32_t value) {
  PutU16(out, static_cast<uint16_t>(value));
  PutU16(out + 2, static_cast<uint16_t>(value >> 16));
}

inline uint16_t GetU16(const uint8_t* in) { return static_cast<uint16_t>(in[0] | (in[1] << 8)); }

inline uint32_t GetU32(const uint8_t* in) { return GetU16(in) | static_cast<uint32_t>(GetU16(in + 2)) << 16; }
