// The DibImage: a signed in-memory device-independent bitmap, and the BMP snapshot writer
// built on it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>

#include "viewer/core/bmp_writer.h"

constexpr uint32_t kDibSignature = 0x00626944;  // "Dib\0" in memory order

struct DibImage {
  uint32_t signature;
  HBITMAP sectionBitmap;  // owned
  uint8_t* pixels;        // owned by sectionBitmap
  DIBSECTION section;
};

// Creates the section described by `header`. For 8 bits per pixel or fewer the section
// takes its colour table from `colors` (1 << biBitCount entries; black when null). The
// caller keeps both. Null on failure.
DibImage* DibCreate(const BITMAPINFOHEADER* header, const RGBQUAD* colors = nullptr);
// 1 for a readable object with the signature, else 0.
int DibIsValid(const DibImage* image);

// Each accessor yields 0 for an invalid image.
uint32_t DibWidth(const DibImage* image);
uint32_t DibHeight(const DibImage* image);
uint32_t DibBitsPerPixel(const DibImage* image);
uint32_t DibStride(const DibImage* image);
uint32_t DibImageSize(const DibImage* image);
uint32_t DibHeaderSize(const DibImage* image);
uint32_t DibMaskBytes(const DibImage* image);
uint32_t DibPaletteEntries(const DibImage* image);
uint32_t DibPaletteBytes(const DibImage* image);
uint32_t DibInfoSize(const DibImage* image);
uint32_t DibPackedSize(const DibImage* image);

// Info header, masks, colour table (with the fixed entries) and pixels in one block of
// DibPackedSize bytes; null for an invalid image or without memory.
std::unique_ptr<uint8_t[]> DibBuildPacked(const DibImage* image);
// Writes the BMP file with two writes; 1 when written completely. A partly written file is
// deleted.
int DibWriteBmp(const DibImage* image, const char* fileName);
// 1 when the image was valid and is destroyed, else 0.
int DibFree(DibImage* image);

// Owns a DibImage from DibCreate and frees it with DibFree.
struct DibFreeDeleter {
  void operator()(DibImage* image) const { DibFree(image); }
};
using ScopedDib = std::unique_ptr<DibImage, DibFreeDeleter>;

// Writes a device bitmap (it may be selected into a DC) as a BMP file, rows top first
// under a positive height; 1 when the file was written completely, else 0.
int SaveBitmapAsBmp(const char* fileName, HBITMAP bitmap);
