// The wizard's Windows services: fixed global memory, message boxes and LASER.INI.
#include "wizard/win32/platform_services.h"

#include <windows.h>

namespace {

class GlobalSettingsMemory : public SettingsMemory {
 public:
  uint8_t* Allocate(size_t size) override { return static_cast<uint8_t*>(GlobalAlloc(GMEM_FIXED, size)); }
  void Free(uint8_t* block) override { GlobalFree(block); }
};

class MessageBoxes : public UserMessages {
 public:
  OwnerWindow FocusWindow() override { return GetFocus(); }
  void ShowError(OwnerWindow owner, const char* text, const char* caption) override {
    MessageBoxA(static_cast<HWND>(owner), text, caption, MB_OK | MB_ICONERROR);
  }
};

// The bare file name: the profile API keeps the file in the Windows folder.
class LaserIni : public ProfileStore {
 public:
  void GetString(const char* section, const char* key, const char* defaultText, char* buffer, size_t size) override {
    GetPrivateProfileStringA(section, key, defaultText, buffer, static_cast<DWORD>(size), "LASER.INI");
  }
  void WriteString(const char* section, const char* key, const char* text) override {
    WritePrivateProfileStringA(section, key, text, "LASER.INI");
  }
};

}  // namespace

SettingsMemory& TheSettingsMemory() {
  static GlobalSettingsMemory memory;
  return memory;
}

UserMessages& TheUserMessages() {
  static MessageBoxes messages;
  return messages;
}

ProfileStore& TheProfileStore() {
  static LaserIni store;
  return store;
}
