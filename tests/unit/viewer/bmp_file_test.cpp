// The BMP loader's checks over the test files of tests/data/bmp: each is refused, kept from
// the conversion or handed to it, as their table says.
#include <gtest/gtest.h>

#include "common/little_endian.h"
#include "tests/corpus/bmp_corpus.h"
#include "viewer/core/bmp_file.h"

TEST(BmpFile, TestFilesAreRefusedKeptOrHandedToTheConversionAsTabled) {
  for (const CorpusFile& file : BmpCorpus()) {
    SCOPED_TRACE(file.name);
    BmpImage image;
    const int result = ParseBmpFile(file.bytes.data(), file.bytes.size(), &image);
    const int expected = file.expect == CorpusExpect::kRefused      ? -1
                         : file.expect == CorpusExpect::kBackground ? kBmpNotConvertible
                                                                    : 0;
    EXPECT_EQ(result, expected);
    if (result != 0 || expected != 0) continue;
    EXPECT_EQ(image.header, file.bytes.data() + 14);
    EXPECT_EQ(image.pixels, file.bytes.data() + GetU32(&file.bytes[10]));
    if (file.expect == CorpusExpect::kPicture) {
      EXPECT_EQ(image.width, file.width);
      EXPECT_EQ(image.height, file.height);
    }
    FreeBmpFile(&image);
    EXPECT_TRUE(image.header == nullptr && image.pixels == nullptr);
  }
}
