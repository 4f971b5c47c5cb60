// The DibImage and the snapshot writer against real GDI sections and device bitmaps.
#include "viewer/win32/dib_image.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "common/win32/scoped.h"
#include "tests/e2e/support/process.h"

namespace {

BITMAPINFOHEADER Header(int width, int height, int bitsPerPixel) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = static_cast<WORD>(bitsPerPixel);
  header.biCompression = BI_RGB;
  return header;
}

uint32_t U32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Owns a DibImage for a test.
struct DibOwner {
  explicit DibOwner(DibImage* created) : image(created) {}
  ~DibOwner() { DibFree(image); }
  DibImage* image;
};

}  // namespace

TEST(DibImage, SizesFollowTheSection) {
  struct Case {
    int bpp;
    uint32_t stride, entries, maskBytes;
  };
  // Width 3, height 2: row lengths of 1, 2, 3, 6, 9 and 12 bytes, rounded up to 4. The
  // system reports a 16-bit section as 555 bit fields.
  const Case cases[] = {{1, 4, 2, 0}, {4, 4, 16, 0}, {8, 4, 256, 0}, {16, 8, 0, 12}, {24, 12, 0, 0}, {32, 12, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bpp);
    const BITMAPINFOHEADER header = Header(3, 2, c.bpp);
    DibOwner dib(DibCreate(&header));
    ASSERT_EQ(DibIsValid(dib.image), 1);
    EXPECT_EQ(DibWidth(dib.image), 3u);
    EXPECT_EQ(DibHeight(dib.image), 2u);
    EXPECT_EQ(DibBitsPerPixel(dib.image), static_cast<uint32_t>(c.bpp));
    EXPECT_EQ(DibStride(dib.image), c.stride);
    EXPECT_EQ(DibImageSize(dib.image), c.stride * 2);
    EXPECT_EQ(DibPaletteEntries(dib.image), c.entries);
    EXPECT_EQ(DibMaskBytes(dib.image), c.maskBytes);
    EXPECT_EQ(DibInfoSize(dib.image), 40 + 4 * c.entries + c.maskBytes);
    EXPECT_EQ(DibPackedSize(dib.image), DibInfoSize(dib.image) + c.stride * 2);
    if (c.maskBytes == 0) continue;
    const std::unique_ptr<uint8_t[]> packed = DibBuildPacked(dib.image);
    ASSERT_TRUE(packed);
    EXPECT_EQ(U32(packed.get() + 40), 0x7C00u);
    EXPECT_EQ(U32(packed.get() + 44), 0x03E0u);
    EXPECT_EQ(U32(packed.get() + 48), 0x001Fu);
  }
}

TEST(DibImage, PackedColourTablesGetTheFixedEntries) {
  struct Case {
    int bpp;
    std::vector<std::pair<int, uint32_t>> expected;  // index, 0x00RRGGBB
  };
  const uint32_t kOwn = 0x00123456;  // the section's own colour for every entry
  const Case cases[] = {
      {1, {{0, 0x000000}, {1, 0xFFFFFF}}},
      {4,
       {{0, 0x000000}, {1, 0xFF6600}, {2, kOwn}, {8, kOwn}, {9, 0xFF0000}, {10, 0x00FF00}, {11, 0xFFFF00},
        {12, 0x0000FF}, {13, 0xFF00FF}, {14, 0x00FFFF}, {15, 0xFFFFFF}}},
      {8,
       {{0, 0x000000}, {1, kOwn}, {248, kOwn}, {249, 0xFF0000}, {250, 0x00FF00}, {251, 0xFFFF00},
        {252, 0x0000FF}, {253, 0xFF00FF}, {254, 0x00FFFF}, {255, 0xFFFFFF}}},
  };
  std::vector<RGBQUAD> own(256, RGBQUAD{0x56, 0x34, 0x12, 0});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bpp);
    const BITMAPINFOHEADER header = Header(3, 2, c.bpp);
    DibOwner dib(DibCreate(&header, own.data()));
    ASSERT_EQ(DibIsValid(dib.image), 1);
    const std::unique_ptr<uint8_t[]> packed = DibBuildPacked(dib.image);
    ASSERT_TRUE(packed);
    EXPECT_EQ(std::memcmp(packed.get(), &dib.image->section.dsBmih, 40), 0);
    for (const auto& [index, rgb] : c.expected) EXPECT_EQ(U32(packed.get() + 40 + 4 * index), rgb) << index;
  }
}

TEST(DibImage, InvalidObjectsYieldZeroAndAreLeftAlone) {
  EXPECT_EQ(DibIsValid(nullptr), 0);
  EXPECT_EQ(DibWidth(nullptr), 0u);
  EXPECT_EQ(DibPackedSize(nullptr), 0u);
  EXPECT_EQ(DibFree(nullptr), 0);
  EXPECT_FALSE(DibBuildPacked(nullptr));

  const BITMAPINFOHEADER header = Header(4, 4, 32);
  DibImage* image = DibCreate(&header);
  ASSERT_EQ(DibIsValid(image), 1);
  image->signature = 0x00626945;
  EXPECT_EQ(DibIsValid(image), 0);
  EXPECT_EQ(DibImageSize(image), 0u);
  EXPECT_EQ(DibFree(image), 0);
  EXPECT_EQ(DibWriteBmp(image, "never.bmp"), 0);
  // Nothing was freed: the section is still there.
  BITMAP section{};
  EXPECT_NE(GetObjectA(image->sectionBitmap, sizeof section, &section), 0);
  image->signature = kDibSignature;
  EXPECT_EQ(DibFree(image), 1);
}

TEST(DibImage, WritesTheWholeFileOrNone) {
  const std::string dir = MakeTempDir("dib");
  const std::string path = dir + "\\out.bmp";
  std::ofstream(path, std::ios::binary) << std::string(5000, 'x');
  const BITMAPINFOHEADER header = Header(5, 3, 32);
  DibOwner dib(DibCreate(&header));
  ASSERT_EQ(DibWriteBmp(dib.image, path.c_str()), 1);
  const std::vector<uint8_t> file = ReadFile(path);
  ASSERT_EQ(file.size(), 14u + 40 + 5 * 4 * 3);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(U32(&file[2]), file.size());
  EXPECT_EQ(U32(&file[10]), 54u);

  // A folder of that name cannot be created as a file: nothing written, the folder stays.
  EXPECT_EQ(DibWriteBmp(dib.image, dir.c_str()), 0);
  EXPECT_NE(GetFileAttributesA(dir.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

// Device bitmaps of every depth: the file holds each device row at the BMP stride, top row
// first, whatever the device's own row rounding.
TEST(SaveBitmapAsBmp, RowsKeepTheirOrderAndStrideAtEveryDepth) {
  struct Case {
    int bpp;
    int width;
  };
  const Case cases[] = {{1, 3}, {8, 3}, {16, 3}, {16, 5}, {32, 3}};
  const std::string dir = MakeTempDir("snapshot");
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.bpp << " bits, width " << c.width);
    const int height = 3;
    const int deviceStride = ((c.width * c.bpp + 15) / 16) * 2;
    const int bmpStride = ((c.width * c.bpp + 31) / 32) * 4;
    std::vector<uint8_t> bits(static_cast<size_t>(deviceStride) * height);
    for (size_t i = 0; i < bits.size(); ++i) bits[i] = static_cast<uint8_t>(0x11 * (i / deviceStride + 1) + i % deviceStride);
    ScopedBitmap bitmap(CreateBitmap(c.width, height, 1, c.bpp, bits.data()));
    ASSERT_TRUE(bitmap);
    const std::string path = dir + "\\snap" + std::to_string(c.bpp) + "_" + std::to_string(c.width) + ".bmp";
    ASSERT_EQ(SaveBitmapAsBmp(path.c_str(), bitmap.get()), 1);
    const std::vector<uint8_t> file = ReadFile(path);
    ASSERT_GE(file.size(), 54u);
    const uint32_t offBits = U32(&file[10]);
    ASSERT_EQ(file.size(), offBits + static_cast<size_t>(bmpStride) * height);
    EXPECT_EQ(static_cast<int32_t>(U32(&file[22])), height);
    EXPECT_EQ(file[28], c.bpp);
    const int rowBytes = (c.width * c.bpp + 7) / 8;
    // Bits past the last pixel of a row are not kept by the device.
    const int lastBits = c.width * c.bpp % 8;
    const uint8_t lastMask = lastBits ? static_cast<uint8_t>(0xFF << (8 - lastBits)) : 0xFF;
    for (int y = 0; y < height; ++y) {
      SCOPED_TRACE(y);
      std::vector<uint8_t> stored(&file[offBits + static_cast<size_t>(y) * bmpStride], &file[offBits] + y * bmpStride + rowBytes);
      std::vector<uint8_t> device(&bits[static_cast<size_t>(y) * deviceStride], &bits[0] + y * deviceStride + rowBytes);
      stored.back() &= lastMask;
      device.back() &= lastMask;
      EXPECT_EQ(stored, device);
    }
  }
}
