// Scanning numbers out of text the way "%d" does.
#include "common/decimal_scan.h"

bool IsScanSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

size_t ScanInt(const char* text, int32_t* value) {
  const char* p = text;
  while (IsScanSpace(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  if (*p < '0' || *p > '9') return 0;
  int64_t magnitude = 0;
  const int64_t limit = negative ? INT64_C(2147483648) : INT64_C(2147483647);
  for (; *p >= '0' && *p <= '9'; ++p) {
    magnitude = magnitude * 10 + (*p - '0');
    if (magnitude > limit) return 0;
  }
  *value = static_cast<int32_t>(negative ? -magnitude : magnitude);
  return static_cast<size_t>(p - text);
}
