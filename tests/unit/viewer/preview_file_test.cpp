// Preview files: picture size, float scale factors, what each record draws, files read piece
// by piece and files over 4 GiB, read up to a damaged record with the records before it kept.
#include "viewer/core/preview_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <tuple>
#include <vector>

#include "recording_observer.h"
#include "viewer/core/file_source.h"
#include "viewer/core/overlay_picture.h"

using namespace qex;

namespace {

uint32_t Bits(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

Pixels Box(int left, int top, int right, int bottom) {
  Pixels pixels;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) pixels.insert({x, y});
  }
  return pixels;
}

JobBytes Job(uint8_t pitch = 10) { return JobBytes(20, 20, pitch, pitch); }

}  // namespace

TEST(PreviewFile, PictureSizeAndScaleFactorsFollowTheFloatRules) {
  const struct {
    int width, height, pictureWidth, pictureHeight;
  } sizes[] = {{2000, 1000, 1024, 512},
               {1000, 3000, 342, 1024},
               {800, 600, 800, 600},
               {3000, 1000, 1024, 341},
               {20000, 5, 1024, 1}};
  for (const auto& c : sizes) {
    const PictureSize size = FitPreviewPicture(c.width, c.height);
    EXPECT_EQ(std::make_pair(size.width, size.height), std::make_pair(c.pictureWidth, c.pictureHeight))
        << c.width << " x " << c.height;
  }
  // Bit patterns worked out independently: x keeps pitch x 0.1f in double before the zoom,
  // y rounds it to float first; they differ in the last bit here.
  const struct {
    uint16_t width, height;
    uint8_t xPitchByte, yPitch;
    uint32_t zoom, scaleX, scaleY;
    int mirrored;
  } cases[] = {
      {1500, 500, 3, 3, 0x3f2ec33e, 0x3e51b717, 0x3e51b718, 0},
      {1500, 500, 0xF9, 7, 0x3f2ec33e, 0x3ef4aaf1, 0x3ef4aaf0, 1},
      {5000, 100, 0xFD, 6, 0x3e51b717, 0x3d7ba882, 0x3dfba883, 1},
      {100, 100, 0x80, 255, 0x3f800000, 0x414ccccd, 0x41cc0000, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.width);
    Rendered r;
    Render(JobBytes(c.width, c.height, c.xPitchByte, c.yPitch).bytes(), r);
    ASSERT_EQ(r.result, 0);
    EXPECT_EQ(std::vector<uint32_t>({Bits(r.state.zoom), Bits(r.state.scaleX), Bits(r.state.scaleY)}),
              std::vector<uint32_t>({c.zoom, c.scaleX, c.scaleY}));
    EXPECT_EQ(r.state.mirrored, c.mirrored);
  }
}

TEST(PreviewFile, RecordsDrawTruncatedTowardZero) {
  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
    Pixels expected;
  } cases[] = {
      {"origin moves the top edge only", JobBytes(300, 300, 10, 10).FilledRect(100, 5, 10, 7, 150, 1).bytes(),
       Box(5, 110, 7, 150)},
      {"rectangle at half scale", Job(5).FilledRect(1, 3, 2, 9, 7, 0).bytes(), Box(1, 1, 4, 3)},
      {"inverted rectangle starts after its far edges", Job().FilledRect(0, 6, 5, 2, 1, 0).bytes(), Box(3, 2, 7, 6)},
      {"line runs draw start, not end", Job().LineRuns(2, 4, {{1, 4}, {10, 8}}).bytes(),
       Pixels{{1, 4}, {2, 4}, {3, 4}, {9, 4}, {10, 4}}},
      {"line run at half scale", Job(5).LineRuns(2, 4, {{3, -1}}).bytes(), Pixels{{1, 2}}},
      {"line runs outside", Job().LineRuns(2, 4, {{-20, -10}, {30, 40}}).bytes(), {}},
      {"runs without segments, a stray last byte",
       Job().LineRunsHeader(0, 3, 5).LineRunsHeader(-32768, 3, 5).Empty().FilledRect(0, 0, 0, 1, 1, 0).U8(0xFF).bytes(),
       Pixels{{0, 0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Rendered r;
    Render(c.bytes, r);
    ASSERT_EQ(r.result, 0) << r.error.reason;
    EXPECT_EQ(DrawnPixels(r.state.picture), c.expected);
  }
}

// Malformed files and where they fail: tests/tools/qexpreview.txt.
TEST(PreviewFile, APictureWithoutSurfaceFails) {
  Rendered refused;
  refused.observer.surfaceOk = false;
  Render(Job().FilledRect(0, 1, 1, 2, 2, 0).bytes(), refused);
  EXPECT_EQ(std::make_tuple(refused.result, refused.error.offset, refused.error.reason),
            std::make_tuple(-1, uint64_t{0}, std::string("no surface for the picture")));
  EXPECT_EQ(refused.observer.calls, std::vector<std::string>{"surface 20x20"});
}

TEST(PreviewFile, FileReadInPiecesRendersAsTheBytesInMemory) {
  // A band larger than one piece of the file reader, records around it, a stray last byte;
  // that file cut short; records at odd offsets up to a rectangle whose last field starts on
  // the last byte of the first piece (256 KiB) and ends the file; and an empty file.
  std::vector<uint8_t> rows(300000);
  for (size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<uint8_t>(i * 2654435761u >> 13);
  const std::vector<uint8_t> whole = JobBytes(4000, 700, 10, 10)
                                         .FilledRect(0, 2, 3, 40, 50, 6)
                                         .RasterBand({0, 3, 0, 4000, 600, 500, 0, kRopSrcInvert}, rows)
                                         .LineRuns(1, 650, {{0, 3000}})
                                         .U8(0xFA)
                                         .bytes();
  JobBytes odd(64, 32, 10, 10);
  odd.RasterBand({0, 0, 0, 8, 1, 1, 0, kRopSrcInvert}, {0x80});
  for (int i = 0; i < 131052; ++i) odd.Empty();
  odd.FilledRect(0, 1, 1, 2, 2, 0);
  const std::string name = ::testing::TempDir() + "preview_file_test.prn";
  for (const std::vector<uint8_t>& bytes :
       {whole, std::vector<uint8_t>(whole.begin(), whole.begin() + 200000), odd.bytes(), {}}) {
    SCOPED_TRACE(bytes.size());
    std::ofstream(name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    Rendered fromFile, fromMemory;
    fromFile.result = ReadPreviewFile(name.c_str(), fromFile.state, fromFile.observer, &fromFile.error);
    Render(bytes, fromMemory);
    EXPECT_EQ(std::make_tuple(fromFile.result, fromFile.error.offset, fromFile.error.reason),
              std::make_tuple(fromMemory.result, fromMemory.error.offset, fromMemory.error.reason));
    EXPECT_EQ(fromFile.observer.calls, fromMemory.observer.calls);
    EXPECT_EQ(DrawnPixels(fromFile.state.picture), DrawnPixels(fromMemory.state.picture));
  }
  std::remove(name.c_str());
  Rendered missing;
  EXPECT_EQ(ReadPreviewFile(name.c_str(), missing.state, missing.observer, &missing.error), -1);
  EXPECT_EQ(missing.error.reason, "cannot open the file");
}

TEST(PreviewFile, HugeSparseFilesAreReadUpToTheirDamagedRecord) {
  // Over 4 GiB, sparse, so that making them is quick: records, a damaged one, then a hole and
  // a last byte. Their size in 32 bits would be 17 bytes, shorter than the records.
  const int64_t size = (int64_t{1} << 32) + 17;
  const struct {
    const char* name;
    bool overlay;
    std::vector<uint8_t> bytes;
    uint64_t offset;
    Pixels drawn;  // besides row 5 from x 0 to 3
  } files[] = {
      {"huge.PRN", false,
       Job().FilledRect(0, 1, 1, 3, 3, 2).LineRuns(1, 5, {{0, 4}}).FilledRect(0, 0, 0, 1, 1, 8).bytes(), 46,
       Box(1, 1, 3, 3)},
      {"huge.VCT", true, Job().Polyline(1, {{0, 5}, {4, 5}}).Polyline(8, {}).bytes(), 18, {}},
  };
  for (const auto& f : files) {
    SCOPED_TRACE(f.name);
    const std::string name = testing::TempDir() + f.name;
    {
      std::ofstream file(name, std::ios::binary);
      file.write(reinterpret_cast<const char*>(f.bytes.data()), static_cast<std::streamsize>(f.bytes.size()));
      file.seekp(size - 1).put(0);
      ASSERT_TRUE(file.good());
    }
    const auto start = std::chrono::steady_clock::now();
    Rendered r;
    if (f.overlay) {
      FileSource source;
      ASSERT_TRUE(source.Open(name.c_str()));
      ByteCursor in(source);
      ASSERT_TRUE(r.state.picture.Create(20, 20));
      r.result = DrawOverlayIntoPicture(in, r.state.picture, r.state, &r.error);
    } else {
      r.result = ReadPreviewFile(name.c_str(), r.state, r.observer, &r.error);
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    std::remove(name.c_str());
    EXPECT_EQ(std::make_tuple(r.result, r.error.offset, r.error.reason),
              std::make_tuple(-1, f.offset, std::string("pen 8 is not below 8")));
    Pixels drawn = f.drawn;
    for (int x = 0; x < 4; ++x) drawn.insert({x, 5});
    EXPECT_EQ(DrawnPixels(r.state.picture), drawn);
    EXPECT_LT(elapsed, std::chrono::seconds(1));
  }
}
