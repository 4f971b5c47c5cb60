// The BMP loader's checks, run over generated files of every kind other programs write.
#include <gtest/gtest.h>

#include "common/little_endian.h"
#include "tests/corpus/bmp_corpus.h"
#include "viewer/core/bmp_file.h"

TEST(BmpFile, CorpusIsAcceptedKeptFromTheConversionOrRefusedForTheRightReason) {
  for (const CorpusFile& file : BmpCorpus()) {
    SCOPED_TRACE(file.name);
    BmpImage image;
    BmpFault fault = BmpFault::kNone;
    const int result = ParseBmpFile(file.bytes.data(), file.bytes.size(), &image, &fault);
    if (file.expect == CorpusExpect::kRefused || file.expect == CorpusExpect::kNotConvertible) {
      EXPECT_EQ(result, file.expect == CorpusExpect::kRefused ? -1 : kBmpNotConvertible);
      EXPECT_EQ(static_cast<int>(fault), static_cast<int>(file.fault));
      continue;
    }
    ASSERT_EQ(result, 0) << "fault " << static_cast<int>(fault);
    EXPECT_EQ(image.header, file.bytes.data() + 14);
    EXPECT_EQ(image.pixels, file.bytes.data() + GetU32(&file.bytes[10]));
    if (file.expect == CorpusExpect::kPaints) {
      EXPECT_EQ(image.width, file.width);
      EXPECT_EQ(image.height, file.height);
    }
  }
}
