// Formatting of the print device log lines.
#include "tools/device_log/device_log.h"

#include <cstdio>

namespace device_log {

std::string Hex(const uint8_t* bytes, long size) {
  static const char kDigits[] = "0123456789abcdef";
  std::string text;
  for (long i = 0; i < size; ++i) text += {kDigits[bytes[i] >> 4], kDigits[bytes[i] & 15]};
  return text;
}

std::string CreateDCLine(const char* deviceName, const uint8_t* settings, size_t settingsSize) {
  return std::string("CreateDC ") + deviceName + " " + Hex(settings, static_cast<long>(settingsSize));
}

std::string StartDocLine(const char* documentName) { return std::string("StartDoc ") + documentName; }

std::string EscapeLine(int escape, const uint8_t* input, int inputSize) {
  return "Escape " + std::to_string(escape) + " " + Hex(input, inputSize);
}

std::string BitBltLine(int x, int y, int width, int height, uint32_t rop, int sourceWidth, int sourceHeight) {
  char ropText[9];
  std::snprintf(ropText, sizeof ropText, "%08x", static_cast<unsigned>(rop));
  return "BitBlt " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(width) + " " +
         std::to_string(height) + " " + ropText + " " + std::to_string(sourceWidth) + "x" +
         std::to_string(sourceHeight);
}

}  // namespace device_log
