// Scanning numbers out of text the way the "%d" conversion does, without its undefined
// overflow: the one decimal scanner of both programs' command lines and of LASER.INI.
#pragma once
#include <cstddef>
#include <cstdint>

// Skips leading white space, reads an optional sign and at least one decimal digit, and
// stops at the first other character. Returns the number of characters consumed, or 0 when
// no number is there or it does not fit in 32 bits (then `value` is left alone).
size_t ScanInt(const char* text, int32_t* value);

// The white space that "%d" and "%s" skip.
bool IsScanSpace(char c);
