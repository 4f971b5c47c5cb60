// The BMP loader's checks, run over generated files of every kind other programs write.
#include <gtest/gtest.h>

#include "tests/corpus/bmp_corpus.h"
#include "viewer/core/bmp_file.h"

namespace {

uint32_t OffBits(const std::vector<uint8_t>& f) {
  return static_cast<uint32_t>(f[10] | f[11] << 8 | f[12] << 16 | static_cast<uint32_t>(f[13]) << 24);
}

TEST(BmpFile, CorpusIsAcceptedOrRefusedForTheRightReason) {
  int accepted = 0;
  int refused = 0;
  for (const CorpusFile& file : BmpCorpus()) {
    SCOPED_TRACE(file.name);
    BmpImage image;
    BmpFault fault = BmpFault::kNone;
    const int result = ParseBmpFile(file.bytes.data(), file.bytes.size(), &image, &fault);
    if (file.expect == CorpusExpect::kRefused) {
      EXPECT_EQ(result, -1);
      EXPECT_EQ(static_cast<int>(fault), static_cast<int>(file.fault));
      ++refused;
      continue;
    }
    ASSERT_EQ(result, 0) << "fault " << static_cast<int>(fault);
    EXPECT_EQ(image.header, file.bytes.data() + 14);
    EXPECT_EQ(image.pixels, file.bytes.data() + OffBits(file.bytes));
    if (file.expect == CorpusExpect::kPaints) {
      EXPECT_EQ(image.width, file.width);
      EXPECT_EQ(image.height, file.height);
    }
    ++accepted;
  }
  EXPECT_EQ(accepted, 38);
  EXPECT_EQ(refused, 40);
}

// A file cut anywhere inside what its header implies is refused, even with bfSize made to
// match, since the conversion would read past its end.
TEST(BmpFile, EveryShortenedGoodFileIsRefused) {
  for (const CorpusFile& file : BmpCorpus()) {
    if (file.expect != CorpusExpect::kPaints || file.name == "trailing-bytes") continue;
    SCOPED_TRACE(file.name);
    for (size_t length = 0; length < file.bytes.size(); ++length) {
      std::vector<uint8_t> cut(file.bytes.begin(), file.bytes.begin() + static_cast<std::ptrdiff_t>(length));
      if (length >= 6) {
        for (int i = 0; i < 4; ++i) cut[2 + i] = static_cast<uint8_t>(length >> (8 * i));
      }
      BmpImage image;
      ASSERT_EQ(ParseBmpFile(cut.data(), cut.size(), &image), -1) << "length " << length;
    }
  }
}

TEST(BmpFile, FreeReleasesTheDataAndToleratesEmptyRecords) {
  FreeBmpFile(nullptr);
  BmpImage empty;
  FreeBmpFile(&empty);
  BmpImage image;
  image.fileData = new uint8_t[16];
  image.header = image.fileData + 14;
  FreeBmpFile(&image);
  EXPECT_EQ(image.fileData, nullptr);
  EXPECT_EQ(image.header, nullptr);
}

}  // namespace
