// Snapshot headers, and the fixed colour entries of colour tables of 2, 16 and 256 entries.
#include "viewer/core/bmp_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "common/little_endian.h"

TEST(BmpWriter, FixedEntriesOverwriteTablesOfTwoSixteenAnd256Only) {
  const uint32_t o = 0xAAAAAAAA;  // what the table held
  std::vector<uint32_t> full(256, o);
  full[0] = 0;
  const uint32_t high[] = {0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  std::copy(high, high + 7, full.begin() + 249);
  const std::vector<uint32_t> tables[] = {
      {0, 0xFFFFFF},
      {o, o, o, o},
      {0, 0xFF6600, o, o, o, o, o, o, o, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF},
      full};
  for (const std::vector<uint32_t>& want : tables) {
    std::vector<uint8_t> table(4 * want.size(), 0xAA);
    ApplyFixedColorEntries(table.data(), static_cast<uint32_t>(want.size()));
    std::vector<uint32_t> entries;
    for (size_t i = 0; i < want.size(); ++i) entries.push_back(GetU32(&table[4 * i]));
    EXPECT_EQ(entries, want) << want.size() << " entries";
  }
}

TEST(BmpWriter, SnapshotHeadersFillTheirFiftyFourBytesAndNoMore) {
  MemoryPicture picture;
  ASSERT_TRUE(picture.Create(3, 2));
  std::vector<uint8_t> out(kSnapshotHeadersSize + 1, 0xAA);
  WriteSnapshotHeaders(picture, out.data());
  const std::vector<uint8_t> expected = {
      'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                          // file header
      40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 24, 0, 0, 0,  // to biSizeImage
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xAA};
  EXPECT_EQ(out, expected);
}
