// The overlay drawn into a memory picture: placement, 1-pixel lines without their end
// pixel, mirroring in x only, the cut to the picture area, and failing records.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tools/samplejob/vector_builder.h"
#include "viewer/core/overlay_picture.h"
#include "viewer/core/pen_palette.h"

namespace {

constexpr uint32_t kRedPixel = DevicePixel(0x000000FF);

// The picture as rows of characters: '.' white, 'r' red, '?' anything else.
std::string Rows(const MemoryPicture& picture) {
  std::string text;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const uint32_t p = picture.Pixel(x, y);
      text += p == kWhitenessPixel ? '.' : p == kRedPixel ? 'r' : '?';
    }
    text += '\n';
  }
  return text;
}

struct Case {
  const char* name;
  uint8_t xPitchByte;
  std::vector<std::pair<int16_t, int16_t>> points;
  const char* expected;  // 8 x 4 picture, header 8 x 4 at pitch 10: one pixel per unit
};

class OverlayPicture : public ::testing::TestWithParam<Case> {};

TEST_P(OverlayPicture, DrawsLikeAOnePixelPen) {
  const Case& c = GetParam();
  MemoryPicture picture;
  ASSERT_TRUE(picture.Create(8, 4));
  RenderState state;
  const std::vector<uint8_t> file = VectorBuilder(8, 4, c.xPitchByte, 10).Polyline(1, c.points).bytes();
  ASSERT_EQ(DrawOverlayIntoPicture(file.data(), file.size(), picture, state), 0);
  EXPECT_EQ(Rows(picture), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, OverlayPicture,
    ::testing::Values(
        Case{"rightward", 10, {{1, 1}, {5, 1}}, "........\n.rrrr...\n........\n........\n"},
        Case{"leftward", 10, {{5, 1}, {1, 1}}, "........\n..rrrr..\n........\n........\n"},
        Case{"mirrored", 0xF6, {{1, 1}, {5, 1}}, "........\n...rrrr.\n........\n........\n"},
        Case{"down then right", 10, {{0, 0}, {0, 3}, {3, 3}}, "r.......\nr.......\nr.......\nrrr.....\n"},
        Case{"diagonal", 10, {{0, 0}, {3, 3}}, "r.......\n.r......\n..r.....\n........\n"},
        Case{"cut at the edges", 10, {{-20000, 2}, {30000, 2}}, "........\n........\nrrrrrrrr\n........\n"},
        Case{"far off", 10, {{-30000, -30000}, {30000, -29000}}, "........\n........\n........\n........\n"},
        Case{"one point", 10, {{2, 2}}, "........\n........\n........\n........\n"}),
    [](const ::testing::TestParamInfo<Case>& param) {
      std::string name = param.param.name;
      for (char& ch : name) {
        if (ch == ' ') ch = '_';
      }
      return name;
    });

TEST(OverlayPictureArea, SmallHeaderIsCentredAndCutToItsArea) {
  MemoryPicture picture;
  ASSERT_TRUE(picture.Create(10, 6));
  RenderState state;
  // A 4 x 2 header sits at (3, 2); a line across the whole picture shows only inside it.
  const std::vector<uint8_t> file = VectorBuilder(4, 2, 10, 10).Polyline(1, {{-5, 1}, {20, 1}}).bytes();
  ASSERT_EQ(DrawOverlayIntoPicture(file.data(), file.size(), picture, state), 0);
  EXPECT_EQ(Rows(picture), "..........\n..........\n..........\n...rrrr...\n..........\n..........\n");
  EXPECT_EQ(state.headerWidth, 4);
}

TEST(OverlayPictureArea, InvalidRecordFailsAfterTheRecordsBeforeIt) {
  MemoryPicture picture;
  ASSERT_TRUE(picture.Create(8, 4));
  RenderState state;
  std::vector<uint8_t> file = VectorBuilder(8, 4, 10, 10).Polyline(1, {{0, 0}, {2, 0}}).Polyline(8, {{0, 1}, {2, 1}}).bytes();
  EXPECT_EQ(DrawOverlayIntoPicture(file.data(), file.size(), picture, state), -1);
  EXPECT_EQ(Rows(picture), "rr......\n........\n........\n........\n");
  EXPECT_EQ(DrawOverlayIntoPicture(file.data(), 5, picture, state), -1);
}

// Random files (run under the sanitizers): no read outside the bytes, no overflow, and
// far-off points of huge scale factors end quickly.
TEST(OverlayPictureArea, RandomFilesAreDrawnOrRefusedSafely) {
  std::mt19937 random(20261206);
  MemoryPicture picture;
  ASSERT_TRUE(picture.Create(64, 48));
  int refused = 0;
  for (int round = 0; round < 3000; ++round) {
    std::vector<uint8_t> file(random() % 120);
    for (uint8_t& byte : file) byte = static_cast<uint8_t>(random());
    // Mostly small pens and counts, so that many files draw something before they fail.
    for (size_t at = 6; at + 4 <= file.size(); at += 4 + 4 * (random() % 4)) {
      file[at] = static_cast<uint8_t>(random() % 9), file[at + 1] = 0;
      file[at + 2] = static_cast<uint8_t>(random() % 5), file[at + 3] = 0;
    }
    RenderState state;
    const int result = DrawOverlayIntoPicture(file.data(), file.size(), picture, state);
    ASSERT_TRUE(result == 0 || result == -1);
    refused += result != 0;
  }
  EXPECT_GT(refused, 0);
  EXPECT_LT(refused, 3000);
}

}  // namespace
