// The lines of the print device log: one line per call of the alignment test job, fields
// separated by one space, bytes as lowercase hex without separators. The simulated driver
// of the Windows tests writes them and qexcard prints them, so that the two can be compared
// line by line.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace device_log {

constexpr uint32_t kSrcCopy = 0x00CC0020;
constexpr uint32_t kBlackness = 0x00000042;

// Lowercase hex of `size` bytes; nothing for a size of 0 or less.
std::string Hex(const uint8_t* bytes, long size);

// "CreateDC <device name> <block>"
std::string CreateDCLine(const char* deviceName, const uint8_t* settings, size_t settingsSize);
// "StartDoc <document name>"
std::string StartDocLine(const char* documentName);
// "Escape <number> <input bytes>"
std::string EscapeLine(int escape, const uint8_t* input, int inputSize);
inline std::string StartPageLine() { return "StartPage"; }
inline std::string EndPageLine() { return "EndPage"; }
inline std::string EndDocLine() { return "EndDoc"; }
inline std::string DeleteDCLine() { return "DeleteDC"; }
// "BitBlt <x> <y> <width> <height> <rop as 8 hex digits> <source width>x<source height>";
// a blit without a source has a source of 0x0.
std::string BitBltLine(int x, int y, int width, int height, uint32_t rop, int sourceWidth, int sourceHeight);

}  // namespace device_log
