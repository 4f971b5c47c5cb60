// The DibImage and the BMP snapshot writer.
#include "viewer/win32/dib_image.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "common/win32/scoped.h"
#include "viewer/core/picture_rows.h"

namespace {

constexpr uint32_t kMaxColorEntries = 256;

struct InfoWithColors {
  BITMAPINFOHEADER header;
  RGBQUAD colors[kMaxColorEntries];
};

}  // namespace

DibImage* DibCreate(const BITMAPINFOHEADER* header, const RGBQUAD* colors) {
  // CreateDIBSection reads biClrUsed colour entries after the header; never more than we hold.
  if (!header || header->biClrUsed > kMaxColorEntries) return nullptr;
  InfoWithColors info{};
  info.header = *header;
  if (colors && header->biBitCount <= 8) {
    std::memcpy(info.colors, colors, (size_t{1} << header->biBitCount) * sizeof(RGBQUAD));
  }
  void* pixels = nullptr;
  ScopedBitmap section(
      CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, &pixels, nullptr, 0));
  if (!section) return nullptr;
  DibImage* image = new (std::nothrow) DibImage{};
  if (!image) return nullptr;
  image->signature = kDibSignature;
  image->pixels = static_cast<uint8_t*>(pixels);
  GetObjectA(section.get(), sizeof image->section, &image->section);
  image->sectionBitmap = section.release();
  return image;
}

int DibIsValid(const DibImage* image) {
  return image && !IsBadReadPtr(image, sizeof *image) && image->signature == kDibSignature ? 1 : 0;
}

uint32_t DibWidth(const DibImage* image) {
  return DibIsValid(image) ? static_cast<uint32_t>(image->section.dsBm.bmWidth) : 0;
}

uint32_t DibHeight(const DibImage* image) {
  return DibIsValid(image) ? static_cast<uint32_t>(image->section.dsBm.bmHeight) : 0;
}

uint32_t DibBitsPerPixel(const DibImage* image) { return DibIsValid(image) ? image->section.dsBm.bmBitsPixel : 0; }

uint32_t DibStride(const DibImage* image) {
  if (!DibIsValid(image)) return 0;
  return DibStride(image->section.dsBm.bmWidth, image->section.dsBm.bmBitsPixel);
}

uint32_t DibImageSize(const DibImage* image) {
  if (!DibIsValid(image)) return 0;
  const uint32_t reported = image->section.dsBmih.biSizeImage;
  return reported ? reported : DibStride(image) * DibHeight(image);
}

uint32_t DibHeaderSize(const DibImage* image) { return DibIsValid(image) ? image->section.dsBmih.biSize : 0; }

uint32_t DibMaskBytes(const DibImage* image) {
  return DibIsValid(image) && image->section.dsBmih.biCompression == BI_BITFIELDS ? 12 : 0;
}

uint32_t DibPaletteEntries(const DibImage* image) {
  if (!DibIsValid(image)) return 0;
  if (image->section.dsBmih.biClrUsed) return image->section.dsBmih.biClrUsed;
  const uint32_t bpp = DibBitsPerPixel(image);
  return bpp <= 8 ? 1u << bpp : 0;
}

uint32_t DibPaletteBytes(const DibImage* image) { return 4 * DibPaletteEntries(image); }

uint32_t DibInfoSize(const DibImage* image) {
  return DibPaletteBytes(image) + DibMaskBytes(image) + DibHeaderSize(image);
}

uint32_t DibPackedSize(const DibImage* image) { return DibInfoSize(image) + DibImageSize(image); }

std::unique_ptr<uint8_t[]> DibBuildPacked(const DibImage* image) {
  if (!DibIsValid(image)) return nullptr;
  const uint32_t headerSize = DibHeaderSize(image);
  // The header is copied from the section's own 40-byte record and nothing beyond it.
  if (headerSize != sizeof(BITMAPINFOHEADER)) return nullptr;
  std::unique_ptr<uint8_t[]> packed(new (std::nothrow) uint8_t[DibPackedSize(image)]());
  if (!packed) return nullptr;
  uint8_t* out = packed.get();
  std::memcpy(out, &image->section.dsBmih, headerSize);
  out += headerSize;
  if (DibMaskBytes(image)) {
    std::memcpy(out, image->section.dsBitfields, DibMaskBytes(image));
    out += DibMaskBytes(image);
  }
  const uint32_t entries = DibPaletteEntries(image);
  if (entries > 0) {
    ScopedCreatedDc dc(CreateCompatibleDC(nullptr));
    if (dc) {
      ScopedSelect select(dc.get(), image->sectionBitmap);
      GetDIBColorTable(dc.get(), 0, std::min(entries, kMaxColorEntries), reinterpret_cast<RGBQUAD*>(out));
    }
    ApplyFixedColorEntries(out, entries);
    out += DibPaletteBytes(image);
  }
  std::memcpy(out, image->pixels, DibImageSize(image));
  return packed;
}

int DibWriteBmp(const DibImage* image, const char* fileName) {
  // An invalid image fails before the file is touched, so an existing file stays as it was.
  if (!DibIsValid(image)) return 0;
  ScopedHandle file(CreateFileA(fileName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return 0;
  const auto fail = [&file, fileName] {
    file.reset();
    DeleteFileA(fileName);
    return 0;
  };
  uint8_t fileHeader[kBmpFileHeaderSize];
  WriteBmpFileHeader(DibPackedSize(image), DibImageSize(image), fileHeader);
  DWORD written = 0;
  if (!WriteFile(file.get(), fileHeader, sizeof fileHeader, &written, nullptr) || written != sizeof fileHeader) {
    return fail();
  }
  const std::unique_ptr<uint8_t[]> packed = DibBuildPacked(image);
  if (!packed) return fail();
  const DWORD packedSize = DibPackedSize(image);
  if (!WriteFile(file.get(), packed.get(), packedSize, &written, nullptr) || written != packedSize) return fail();
  // A close that fails may have lost buffered data: the file is not complete then either.
  if (!CloseHandle(file.release())) {
    DeleteFileA(fileName);
    return 0;
  }
  return 1;
}

int DibFree(DibImage* image) {
  if (!DibIsValid(image)) return 0;
  DeleteObject(image->sectionBitmap);
  image->signature = 0;
  delete image;
  return 1;
}

namespace {

// The colour table of a palette-based device bitmap, as the display reports it.
std::vector<RGBQUAD> DeviceColors(HBITMAP bitmap, int bitsPerPixel) {
  std::vector<RGBQUAD> colors(size_t{1} << bitsPerPixel, RGBQUAD{});
  InfoWithColors info{};
  info.header.biSize = sizeof info.header;
  info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
  ScopedCreatedDc dc(CreateCompatibleDC(nullptr));
  if (dc && GetDIBits(dc.get(), bitmap, 0, 0, nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS)) {
    std::copy(info.colors, info.colors + colors.size(), colors.begin());
  }
  return colors;
}

// Brings the device bitmap's rows into the image, top row first, each at the BMP stride.
bool FillPixels(HBITMAP bitmap, const BITMAP& device, DibImage* image) {
  const size_t deviceStride = static_cast<size_t>(device.bmWidthBytes);
  const size_t stride = DibStride(image);
  const size_t rows = std::min<size_t>(static_cast<size_t>(device.bmHeight), DibImageSize(image) / stride);
  const size_t deviceSize = deviceStride * rows;
  if (deviceStride == stride) {
    return GetBitmapBits(bitmap, static_cast<LONG>(deviceSize), image->pixels) == static_cast<LONG>(deviceSize);
  }
  // Device rows are rounded to 2 bytes, BMP rows to 4: copied as one block the rows would shear.
  std::vector<uint8_t> deviceRows(deviceSize);
  if (GetBitmapBits(bitmap, static_cast<LONG>(deviceSize), deviceRows.data()) != static_cast<LONG>(deviceSize)) {
    return false;
  }
  CopyRows(deviceRows.data(), deviceStride, image->pixels, stride, std::min(deviceStride, stride), rows);
  return true;
}

}  // namespace

int SaveBitmapAsBmp(const char* fileName, HBITMAP bitmap) {
  BITMAP device{};
  if (!GetObjectA(bitmap, sizeof device, &device) || device.bmWidth <= 0 || device.bmHeight <= 0) return 0;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = device.bmWidth;
  header.biHeight = device.bmHeight;
  header.biPlanes = device.bmPlanes;
  header.biBitCount = device.bmBitsPixel;
  header.biCompression = BI_RGB;
  std::vector<RGBQUAD> colors;
  if (device.bmBitsPixel <= 8) colors = DeviceColors(bitmap, device.bmBitsPixel);
  const ScopedDib image(DibCreate(&header, colors.empty() ? nullptr : colors.data()));
  if (!image) return 0;
  return FillPixels(bitmap, device, image.get()) ? DibWriteBmp(image.get(), fileName) : 0;
}
