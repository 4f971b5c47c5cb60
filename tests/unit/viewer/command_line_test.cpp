// The painting commands' rectangles: numbers scanned as %d, names of at most 255 characters.
#include "viewer/core/command_line.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

TEST(CommandLine, RectangleNumbersScanAsPercentD) {
  const struct {
    std::string text;
    bool ok;
    ScreenRect rect;
    std::string name = "pic.bmp";
  } cases[] = {
      {"-b pic.bmp -90 +9 300 400x", true, {-90, 9, 300, 400}},
      {"-b pic.bmp 1 2 3 -2147483648", true, {1, 2, 3, INT_MIN}},
      {"-b pic.bmp 1 2 3 2147483648", false, {}},
      {"-b pic.bmp 1 2 3 -2147483649", false, {}},
      {"-b pic.bmp 1 2 3", false, {}},
      {"-b pic.bmp 1 2 3x 4", false, {}},
      {"-b pic.bmp 1 2 - 4", false, {}},
      {"-b " + std::string(255, 'b') + " 1 2 3 4", true, {1, 2, 3, 4}, std::string(255, 'b')},
      {"-b " + std::string(256, 'b') + " 1 2 3 4", false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 30));
    std::string name;
    ScreenRect rect{};
    ASSERT_EQ(ParseRectCommand(c.text.c_str(), "-b", &name, &rect), c.ok);
    if (!c.ok) continue;
    EXPECT_EQ(name, c.name);
    EXPECT_EQ(std::vector<int>({rect.left, rect.top, rect.right, rect.bottom}),
              std::vector<int>({c.rect.left, c.rect.top, c.rect.right, c.rect.bottom}));
  }
}
