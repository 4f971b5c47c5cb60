// The eight pen colours that preview and vector records select by number.
#pragma once
#include <cstdint>

constexpr unsigned kPenCount = 8;

// COLORREF values, 0x00BBGGRR.
extern const uint32_t PenPalette[kPenCount];
