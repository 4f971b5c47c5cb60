// Preview files: what each record draws, files read piece by piece and files over 4 GiB, read
// up to a damaged record with the records before it kept. Picture sizes, scale factors and
// malformed files: tests/tools/qexpreview.txt.
#include "viewer/core/preview_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <tuple>
#include <vector>

#include "recording_observer.h"

using namespace qex;

namespace {

Pixels Box(int left, int top, int right, int bottom) {
  Pixels pixels;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) pixels.insert({x, y});
  }
  return pixels;
}

JobBytes Job(uint8_t pitch = 10) { return JobBytes(20, 20, pitch, pitch); }

}  // namespace

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

TEST(PreviewFile, TallPicturesKeepAnEvenWidthOfAtLeastOne) {
  for (const auto& [width, height, fitted] : {std::tuple{1000, 3010, 340}, {1000, 3000, 342}, {5, 20000, 1}}) {
    EXPECT_EQ(FitPreviewPicture(width, height).width, fitted) << width << "x" << height;
  }
}

TEST(PreviewFile, ARefusedHeaderOrAPictureWithoutSurfaceFails) {
  Rendered noWidth;
  Render({0, 0, 1, 0, 10, 10}, noWidth);
  EXPECT_EQ(std::make_tuple(noWidth.result, noWidth.error.offset, noWidth.error.reason),
            std::make_tuple(-1, uint64_t{0}, std::string("header width or height is 0")));
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

TEST(PreviewFile, AHugeSparseFileIsReadUpToItsDamagedRecord) {
  // Over 4 GiB, sparse, so that making it is quick: a line on row 5, a damaged record, then a
  // hole and a last byte. Its size in 32 bits would be 17 bytes, shorter than the records.
  const std::vector<uint8_t> bytes = Job().LineRuns(1, 5, {{0, 4}}).FilledRect(0, 0, 0, 1, 1, 8).bytes();
  const std::string name = testing::TempDir() + "huge.job";
  {
    std::ofstream file(name, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file.seekp((int64_t{1} << 32) + 16).put(0).good());
  }
  const auto start = std::chrono::steady_clock::now();
  Rendered r;
  r.result = ReadPreviewFile(name.c_str(), r.state, r.observer, &r.error);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  std::remove(name.c_str());
  EXPECT_EQ(std::make_tuple(r.result, r.error.offset, r.error.reason),
            std::make_tuple(-1, uint64_t{32}, std::string("pen 8 is not below 8")));
  EXPECT_EQ(DrawnPixels(r.state.picture), (Pixels{{0, 5}, {1, 5}, {2, 5}, {3, 5}}));
  EXPECT_LT(elapsed, std::chrono::seconds(1));
}
