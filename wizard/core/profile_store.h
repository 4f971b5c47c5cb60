// The profile file that keeps the tuned values between runs, reached through the
// platform's private-profile calls.
#pragma once
#include <cstddef>

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;
  // GetPrivateProfileStringA: copies the key's value, or `defaultText` when the key is
  // missing, into `buffer`, at most size - 1 characters and always terminated.
  virtual void GetString(const char* section, const char* key, const char* defaultText, char* buffer, size_t size) = 0;
  // WritePrivateProfileStringA; a failure goes unnoticed.
  virtual void WriteString(const char* section, const char* key, const char* text) = 0;
};
