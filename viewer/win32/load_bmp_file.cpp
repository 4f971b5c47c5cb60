// Loading a BMP file whole, checked, for painting.
#include "viewer/win32/load_bmp_file.h"

#include <windows.h>

#include <memory>
#include <new>

#include "common/win32/scoped.h"

int LoadBmpFile(BmpImage* image, const char* fileName) {
  if (!fileName || !*fileName) return -1;
  ScopedHandle file(
      CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return -1;
  const DWORD size = GetFileSize(file.get(), nullptr);
  if (size == INVALID_FILE_SIZE) return -1;
  std::unique_ptr<uint8_t[]> data(new (std::nothrow) uint8_t[size]);
  if (!data) {
    MessageBoxA(GetFocus(), "Unable to allocate memory for image data.", "Error", MB_ICONERROR);
    return -1;
  }
  DWORD read = 0;
  if (!ReadFile(file.get(), data.get(), size, &read, nullptr) || read != size) return -1;
  file.reset();

  BmpImage loaded;
  const int checked = ParseBmpFile(data.get(), size, &loaded);
  if (checked != 0) return checked;
  loaded.fileData = std::move(data);
  *image = std::move(loaded);
  return 0;
}
