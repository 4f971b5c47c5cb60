#include "viewer/core/byte_cursor.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::vector<uint8_t> kBytes = {0x34, 0x12, 0xFE, 0xFF, 0x78, 0x56, 0x34, 0x12, 0xAA, 0xBB, 0xCC};

}  // namespace

TEST(ByteCursor, ReadsLittleEndianWithinItsBytes) {
  ByteCursor in(kBytes.data(), kBytes.size());
  uint16_t u16;
  int16_t i16;
  uint32_t u32;
  uint8_t u8;
  const uint8_t* taken;
  ASSERT_TRUE(in.ReadU16(&u16));
  EXPECT_EQ(u16, 0x1234);
  ASSERT_TRUE(in.ReadI16(&i16));
  EXPECT_EQ(i16, -2);
  ASSERT_TRUE(in.ReadU32(&u32));
  EXPECT_EQ(u32, 0x12345678u);
  EXPECT_EQ(in.offset(), 8u);
  EXPECT_EQ(in.remaining(), 3u);
  // A read that does not fit fails, moves nothing and is remembered.
  EXPECT_FALSE(in.ReadU32(&u32));
  EXPECT_FALSE(in.Take(4, &taken));
  EXPECT_TRUE(in.failed());
  EXPECT_EQ(in.offset(), 8u);
  ASSERT_TRUE(in.Take(2, &taken));
  EXPECT_EQ(taken[0], 0xAA);
  EXPECT_EQ(taken[1], 0xBB);
  ASSERT_TRUE(in.ReadU8(&u8));
  EXPECT_EQ(u8, 0xCC);
  EXPECT_FALSE(in.ReadU8(&u8));
  EXPECT_EQ(in.remaining(), 0u);
}
