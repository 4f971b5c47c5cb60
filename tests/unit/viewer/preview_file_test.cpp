#include "viewer/core/preview_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "recording_observer.h"

namespace {

uint32_t Bits(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

}  // namespace

TEST(PreviewFile, PictureFitsInto1024) {
  struct Case {
    int width, height, pictureWidth, pictureHeight;
  } const cases[] = {
      {2000, 1000, 1024, 512}, {1000, 3000, 342, 1024}, {800, 600, 800, 600},   {1024, 1024, 1024, 1024},
      {1025, 1025, 1024, 1024}, {1024, 1025, 1024, 1024}, {3000, 1000, 1024, 341}, {1500, 3001, 512, 1024},
      {20000, 5, 1024, 1},     {5, 20000, 1, 1024},
  };
  for (const Case& c : cases) {
    const PictureSize size = FitPreviewPicture(c.width, c.height);
    EXPECT_EQ(size.width, c.pictureWidth) << c.width << " x " << c.height;
    EXPECT_EQ(size.height, c.pictureHeight) << c.width << " x " << c.height;
  }
}

TEST(PreviewFile, HeaderOnlyGivesAWhitePicture) {
  Rendered r;
  Render(PreviewBuilder(2000, 1000, 0x0A, 10).bytes(), r);
  ASSERT_EQ(r.result, 0);
  EXPECT_EQ(r.state.headerWidth, 2000);
  EXPECT_EQ(r.state.pictureWidth, 1024);
  EXPECT_EQ(r.state.pictureHeight, 512);
  EXPECT_EQ(r.state.picture.width(), 1024);
  EXPECT_TRUE(DrawnPixels(r.state.picture).empty());
  EXPECT_EQ(r.observer.calls, (std::vector<std::string>{"surface 1024x512", "layout"}));
}

TEST(PreviewFile, ScaleFactorsFollowTheFloatRules) {
  // Expected bit patterns worked out independently from the rules: x keeps pitch x 0.1f in
  // double before the zoom, y rounds it to float first; they differ in the last bit here.
  struct Case {
    uint16_t width, height;
    uint8_t xPitchByte, yPitch;
    uint32_t zoom, scaleX, scaleY;
    int mirrored;
  } const cases[] = {
      {1500, 500, 3, 3, 0x3f2ec33e, 0x3e51b717, 0x3e51b718, 0},
      {1500, 500, 0xF9, 7, 0x3f2ec33e, 0x3ef4aaf1, 0x3ef4aaf0, 1},
      {5000, 100, 0xFD, 6, 0x3e51b717, 0x3d7ba882, 0x3dfba883, 1},
      {100, 100, 10, 10, 0x3f800000, 0x3f800000, 0x3f800000, 0},
      {100, 100, 0x80, 255, 0x3f800000, 0x414ccccd, 0x41cc0000, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    Rendered r;
    Render(PreviewBuilder(c.width, c.height, c.xPitchByte, c.yPitch).bytes(), r);
    ASSERT_EQ(r.result, 0);
    EXPECT_EQ(Bits(r.state.zoom), c.zoom);
    EXPECT_EQ(Bits(r.state.scaleX), c.scaleX);
    EXPECT_EQ(Bits(r.state.scaleY), c.scaleY);
    EXPECT_EQ(r.state.mirrored, c.mirrored);
  }
  Rendered r;
  Render(PreviewBuilder(1000, 3000, 10, 10).bytes(), r);
  EXPECT_EQ(r.state.zoom, 0.342f);
}

TEST(PreviewFile, FilledRectOriginMovesTheTopEdgeOnly) {
  Rendered r;
  Render(PreviewBuilder(300, 300, 10, 10).FilledRect(100, 5, 10, 7, 150, 1).bytes(), r);
  ASSERT_EQ(r.result, 0);
  const auto drawn = DrawnPixels(r.state.picture);
  EXPECT_EQ(drawn.size(), 2u * 40u);
  EXPECT_EQ(*drawn.begin(), std::make_pair(5, 110));
  EXPECT_EQ(*drawn.rbegin(), std::make_pair(6, 149));
  EXPECT_EQ(r.state.picture.Pixel(5, 110), DevicePixel(0x000000FF));
}

TEST(PreviewFile, FilledRectScalesAndTruncates) {
  // Pitch 5: scale 0.5; 3 -> 1, 9 -> 4; the origin is added before scaling.
  Rendered r;
  Render(PreviewBuilder(20, 20, 5, 5).FilledRect(1, 3, 2, 9, 7, 0).bytes(), r);
  ASSERT_EQ(r.result, 0);
  const auto drawn = DrawnPixels(r.state.picture);
  EXPECT_EQ(drawn, (std::set<std::pair<int, int>>{{1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}}));
}

TEST(PreviewFile, LineRunsDrawEverySegmentOnOneRow) {
  struct Case {
    const char* name;
    std::vector<std::pair<int16_t, int16_t>> segments;
    uint8_t pitch;
    std::set<int> columns;  // on row trunc(4 x scale)
  } const cases[] = {
      {"two segments", {{1, 4}, {10, 8}}, 10, {1, 2, 3, 9, 10}},
      {"half scale, truncation toward zero", {{3, -1}}, 5, {1}},
      {"outside the picture", {{-20, -10}, {30, 40}}, 10, {}},
  };
  for (const Case& c : cases) {
    Rendered r;
    Render(PreviewBuilder(20, 20, c.pitch, c.pitch).LineRuns(2, 4, c.segments).bytes(), r);
    ASSERT_EQ(r.result, 0) << c.name;
    std::set<std::pair<int, int>> expected;
    const int y = c.pitch == 10 ? 4 : 2;
    for (int x : c.columns) expected.insert({x, y});
    EXPECT_EQ(DrawnPixels(r.state.picture), expected) << c.name;
  }
}

TEST(PreviewFile, LineRunsWithoutSegmentsConsumeTheirHeader) {
  for (int16_t count : {1, 0, -1, -32768}) {
    Rendered r;
    Render(PreviewBuilder(20, 20, 10, 10).LineRunsHeader(count, 3, 5).FilledRect(0, 0, 0, 1, 1, 0).bytes(), r);
    ASSERT_EQ(r.result, 0) << count;
    EXPECT_EQ(DrawnPixels(r.state.picture), (std::set<std::pair<int, int>>{{0, 0}})) << count;
    EXPECT_EQ(r.counts.lineRuns, 1u);
    EXPECT_EQ(r.counts.filledRects, 1u);
  }
}

TEST(PreviewFile, RecordsAreCountedAndAStrayByteEndsTheFile) {
  Rendered r;
  BandFields band;
  band.rowCount = 1;
  band.bytesPerRow = 1;
  Render(PreviewBuilder(20, 20, 10, 10).Empty().RasterBand(band, {0x80}).Empty().LineRuns(0, 1, {}).U8(0xFF).bytes(), r);
  ASSERT_EQ(r.result, 0);
  EXPECT_EQ(r.counts.emptyRecords, 2u);
  EXPECT_EQ(r.counts.rasterBands, 1u);
  EXPECT_EQ(r.counts.lineRuns, 1u);
}

TEST(PreviewFile, FileIsReadFromDisk) {
  const std::vector<uint8_t> bytes = PreviewBuilder(20, 10, 10, 10).FilledRect(0, 2, 3, 4, 5, 6).bytes();
  const std::string name = ::testing::TempDir() + "preview_file_test.prn";
  FILE* file = std::fopen(name.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  RenderState state;
  RecordingObserver observer;
  PreviewError error;
  EXPECT_EQ(ReadPreviewFile(name.c_str(), state, observer, &error), 0);
  EXPECT_EQ(DrawnPixels(state.picture).size(), 4u);
  std::remove(name.c_str());
  EXPECT_EQ(ReadPreviewFile(name.c_str(), state, observer, &error), -1);
  EXPECT_EQ(error.reason, "cannot open the file");
}
