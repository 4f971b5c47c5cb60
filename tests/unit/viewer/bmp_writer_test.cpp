#include "viewer/core/bmp_writer.h"

#include <gtest/gtest.h>

#include <vector>

#include "viewer/core/pen_palette.h"

namespace {

uint32_t U32At(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }
uint16_t U16At(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

}  // namespace

TEST(BmpWriter, StrideRoundsRowBytesUpToFour) {
  struct Case {
    int32_t width;
    uint16_t bpp;
    uint32_t stride;
  } const cases[] = {{3, 8, 4}, {4, 8, 4}, {5, 8, 8}, {1, 1, 4}, {33, 1, 8}, {3, 4, 4}, {9, 4, 8},
                     {3, 16, 8}, {3, 24, 12}, {1024, 32, 4096}, {342, 32, 1368}, {0, 32, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(DibStride(c.width, c.bpp), c.stride) << c.width << " x " << c.bpp;
  }
}

TEST(BmpWriter, FileHeaderPointsPastHeadersAndTable) {
  uint8_t header[kBmpFileHeaderSize];
  // An 8-bit picture of 4 x 2: 40-byte header, 1024-byte colour table, 8 bytes of pixels.
  WriteBmpFileHeader(40 + 1024 + 8, 8, header);
  EXPECT_EQ(header[0], 'B');
  EXPECT_EQ(header[1], 'M');
  EXPECT_EQ(U32At(header + 2), 14u + 40 + 1024 + 8);
  EXPECT_EQ(U32At(header + 6), 0u);
  EXPECT_EQ(U32At(header + 10), 1078u);
}

TEST(BmpWriter, FixedColourEntriesByTableSize) {
  struct Case {
    uint32_t entries;
    std::vector<std::pair<uint32_t, uint32_t>> fixed;  // index, 0x00RRGGBB
  } const cases[] = {
      {2, {{0, 0x000000}, {1, 0xFFFFFF}}},
      {16,
       {{0, 0x000000}, {1, 0xFF6600}, {9, 0xFF0000}, {10, 0x00FF00}, {11, 0xFFFF00}, {12, 0x0000FF},
        {13, 0xFF00FF}, {14, 0x00FFFF}, {15, 0xFFFFFF}}},
      {256,
       {{0, 0x000000}, {249, 0xFF0000}, {250, 0x00FF00}, {251, 0xFFFF00}, {252, 0x0000FF}, {253, 0xFF00FF},
        {254, 0x00FFFF}, {255, 0xFFFFFF}}},
      {100, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entries);
    std::vector<uint8_t> table(4 * c.entries, 0xAB);
    ApplyFixedColorEntries(table.data(), c.entries);
    std::vector<uint32_t> expected(c.entries, 0xABABABABu);
    for (const auto& entry : c.fixed) expected[entry.first] = entry.second;
    for (uint32_t i = 0; i < c.entries; ++i) EXPECT_EQ(U32At(&table[4 * i]), expected[i]) << "entry " << i;
  }
}

TEST(BmpWriter, FixedColoursArePenColoursInTableOrder) {
  // Table 16 entries 9..14 are red, green, yellow, blue, magenta, cyan: pens 1..6 with R and B swapped.
  std::vector<uint8_t> table(64, 0);
  ApplyFixedColorEntries(table.data(), 16);
  for (unsigned pen = 1; pen <= 6; ++pen) {
    EXPECT_EQ(U32At(&table[4 * (8 + pen)]), DevicePixel(PenPalette[pen])) << pen;
  }
  EXPECT_EQ(U32At(&table[4]), DevicePixel(PenPalette[7]));
}

TEST(BmpWriter, SnapshotIsTopRowFirstWithDeviceBytes) {
  MemoryPicture picture;
  ASSERT_TRUE(picture.Create(3, 2));
  picture.SetPixel(0, 0, 0x000066FF);  // orange, top-left
  picture.SetPixel(2, 1, 0x00FF0000);  // blue, bottom-right
  const std::vector<uint8_t> file = BuildSnapshotBmp(picture);
  ASSERT_EQ(file.size(), 14u + 40 + 3 * 2 * 4);
  EXPECT_EQ(U32At(&file[2]), file.size());
  EXPECT_EQ(U32At(&file[10]), 54u);
  const uint8_t* info = &file[14];
  EXPECT_EQ(U32At(info), 40u);
  EXPECT_EQ(static_cast<int32_t>(U32At(info + 4)), 3);
  EXPECT_EQ(static_cast<int32_t>(U32At(info + 8)), 2);
  EXPECT_EQ(U16At(info + 12), 1);
  EXPECT_EQ(U16At(info + 14), 32);
  EXPECT_EQ(U32At(info + 16), kBiRgb);
  EXPECT_EQ(U32At(info + 20), 24u);
  for (int i = 24; i < 40; i += 4) EXPECT_EQ(U32At(info + i), 0u) << i;
  const std::vector<uint8_t> pixels(file.begin() + 54, file.end());
  const std::vector<uint8_t> expected = {0x00, 0x66, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                         0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00};
  EXPECT_EQ(pixels, expected);
}
