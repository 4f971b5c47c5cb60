// The version resource of a built program, read back from its file.
#include "tests/e2e/support/version_info.h"

#include <windows.h>

#include <vector>

namespace {

std::string StringValue(const std::vector<char>& block, const char* name) {
  char* value = nullptr;
  UINT length = 0;
  const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
  if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || length == 0) {
    return "";
  }
  return std::string(value, strnlen(value, length));
}

std::string Numbers(DWORD high, DWORD low) {
  std::string text = std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high));
  if (low != 0) text += "." + std::to_string(HIWORD(low)) + "." + std::to_string(LOWORD(low));
  return text;
}

}  // namespace

std::string VersionLines(const std::string& exePath) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(exePath.c_str(), &ignored);
  std::vector<char> block(size);
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (size == 0 || !GetFileVersionInfoA(exePath.c_str(), 0, size, block.data()) ||
      !VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) || length < sizeof *fixed) {
    return "";
  }
  const std::string version = StringValue(block, "FileVersion");
  if (version.empty() || StringValue(block, "ProductVersion") != version ||
      Numbers(fixed->dwFileVersionMS, fixed->dwFileVersionLS) != version ||
      Numbers(fixed->dwProductVersionMS, fixed->dwProductVersionLS) != version) {
    return "";
  }
  return StringValue(block, "InternalName") + "\nVersion " + version;
}
