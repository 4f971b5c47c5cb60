// The fixed colour entries written into colour tables of every size.
#include "viewer/core/bmp_writer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

uint32_t U32At(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }

}  // namespace

TEST(BmpWriter, FixedColourEntriesByTableSize) {
  const struct { uint32_t entries; std::vector<std::pair<uint32_t, uint32_t>> fixed; } cases[] = {  // index, 0x00RRGGBB
      {2, {{0, 0x000000}, {1, 0xFFFFFF}}},
      {16, {{0, 0x000000}, {1, 0xFF6600}, {9, 0xFF0000}, {10, 0x00FF00}, {11, 0xFFFF00}, {12, 0x0000FF},
            {13, 0xFF00FF}, {14, 0x00FFFF}, {15, 0xFFFFFF}}},
      {256, {{0, 0x000000}, {249, 0xFF0000}, {250, 0x00FF00}, {251, 0xFFFF00}, {252, 0x0000FF}, {253, 0xFF00FF},
             {254, 0x00FFFF}, {255, 0xFFFFFF}}},
      {100, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entries);
    std::vector<uint8_t> table(4 * c.entries, 0xAB);
    ApplyFixedColorEntries(table.data(), c.entries);
    std::vector<uint32_t> expected(c.entries, 0xABABABABu);
    for (const auto& entry : c.fixed) expected[entry.first] = entry.second;
    for (uint32_t i = 0; i < c.entries; ++i) EXPECT_EQ(U32At(&table[4 * i]), expected[i]) << "entry " << i;
  }
}
