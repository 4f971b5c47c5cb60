#include "viewer/core/command_line.h"

#include <gtest/gtest.h>

TEST(CommandLine, FirstWordIsTheWholeWord) {
  EXPECT_EQ(FirstWord(""), "");
  EXPECT_EQ(FirstWord(nullptr), "");
  EXPECT_EQ(FirstWord("  -fx job.prn"), "-fx");
  EXPECT_EQ(FirstWord("-f\tjob.prn"), "-f");
}

TEST(CommandLine, FileCommandNeedsTheExactOptionAndAName) {
  std::string name = "unchanged";
  EXPECT_FALSE(ParseFileCommand("-f", "-f", &name));
  EXPECT_FALSE(ParseFileCommand("-F job", "-f", &name));
  EXPECT_FALSE(ParseFileCommand("-fx job", "-f", &name));
  EXPECT_EQ(name, "unchanged");
  ASSERT_TRUE(ParseFileCommand("-f   C:\\jobs\\a.prn trailing", "-f", &name));
  EXPECT_EQ(name, "C:\\jobs\\a.prn");
}

TEST(CommandLine, FileNamesOver255CharactersAreRefused) {
  std::string name;
  EXPECT_TRUE(ParseFileCommand(("-f " + std::string(255, 'a')).c_str(), "-f", &name));
  EXPECT_EQ(name.size(), 255u);
  EXPECT_FALSE(ParseFileCommand(("-f " + std::string(256, 'a')).c_str(), "-f", &name));
  ScreenRect rect;
  EXPECT_FALSE(ParseRectCommand(("-b " + std::string(300, 'b') + " 1 2 3 4").c_str(), "-b", &name, &rect));
}

TEST(CommandLine, RectangleNumbersScanAsPercentD) {
  std::string name;
  ScreenRect rect;
  ASSERT_TRUE(ParseRectCommand("-b pic.bmp -10 +20 300 400x", "-b", &name, &rect));
  EXPECT_EQ(name, "pic.bmp");
  EXPECT_EQ(rect.left, -10);
  EXPECT_EQ(rect.top, 20);
  EXPECT_EQ(rect.right, 300);
  EXPECT_EQ(rect.bottom, 400);
  EXPECT_FALSE(ParseRectCommand("-b pic.bmp 1 2 3", "-b", &name, &rect));
  EXPECT_FALSE(ParseRectCommand("-b pic.bmp 1 2 3x 4", "-b", &name, &rect));
  EXPECT_FALSE(ParseRectCommand("-b pic.bmp 1 2 - 4", "-b", &name, &rect));
  EXPECT_TRUE(ParseRectCommand("-b pic.bmp 1 2 3 -2147483648", "-b", &name, &rect));
  EXPECT_EQ(rect.bottom, -2147483647 - 1);
  EXPECT_FALSE(ParseRectCommand("-b pic.bmp 1 2 3 2147483648", "-b", &name, &rect));
}

TEST(CommandLine, FormatRoundTrips) {
  const ScreenRect rect{5, -6, 700, 800};
  const std::string text = FormatRectCommand("-v", "job.VCT", rect);
  EXPECT_EQ(text, "-v job.VCT 5 -6 700 800");
  std::string name;
  ScreenRect back;
  ASSERT_TRUE(ParseRectCommand(text.c_str(), "-v", &name, &back));
  EXPECT_EQ(back.top, -6);
}
