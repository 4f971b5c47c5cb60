// qexcard run as the driver team runs it: the card's log and packets, bad input, and the PNG.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string ReadText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

class Qexcard : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = testing::TempDir() + "qexcard_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }
  // Runs qexcard with `arguments` (shell words); its exit code, stdout in out_, stderr in err_.
  int Run(const std::string& arguments) {
    const int status =
        std::system((std::string(QEXCARD) + " " + arguments + " >'" + dir_ + "/out' 2>'" + dir_ + "/err'").c_str());
    out_ = ReadText(dir_ + "/out");
    err_ = ReadText(dir_ + "/err");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string dir_, out_, err_;
};

// The whole log and explanation for four tunings, as kept in tests/tools/cards/NAME.txt:
// every device call, packet byte, bar position and settings field at once. After a deliberate
// change to the job, regenerate a file with `qexcard ARGUMENTS --log --explain >NAME.txt`.
TEST_F(Qexcard, LogAndExplanationAsKept) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "default"},
      {"--power 80 --speed 50", "power80_speed50"},
      {"--power 0.5", "power0.5"},  // below 1 %: no power packets
      {"--power 45.5 --speed 37 --line-lag -2 --device 'Laser 2'", "tuned"},
  };
  for (const auto& [arguments, name] : cases) {
    SCOPED_TRACE(name);
    ASSERT_EQ(Run(std::string(arguments) + " --log --explain"), 0) << err_;
    EXPECT_EQ(out_, ReadText(std::string(QEX_CARDS) + "/" + name + ".txt"));
  }
}

// Refusals end in one line, the system's reason where it gave one; a card.png.part that
// was there before is not ours and stays as it was.
TEST_F(Qexcard, BadInputFailsWithOneLineAndWritesNothing) {
  std::ofstream(dir_ + "/short.bin", std::ios::binary) << std::string(1563, '\0');
  std::ofstream(dir_ + "/long.bin", std::ios::binary) << std::string(1565, '\0');
  std::ofstream(dir_ + "/theirs.png.part") << "theirs";
  const std::string png = " --png '" + dir_ + "/card.png'";
  const struct {
    std::string arguments;
    int exitCode;
    const char* reason = "";
  } cases[] = {
      {"--settings '" + dir_ + "/short.bin'" + png, 1},
      {"--settings '" + dir_ + "/long.bin'" + png, 1},
      {"--settings '" + dir_ + "/missing.bin'" + png, 1, ": No such file or directory"},
      {"--png '" + dir_ + "/no/card.png'", 1, "/no/card.png.part: No such file or directory"},
      {"--png '" + dir_ + "'", 1, ": Is a directory"},
      {"--png '" + dir_ + "/theirs.png'", 1, "/theirs.png.part: File exists"},
      {"--power 101" + png, 2},
      {"--power 4.55" + png, 2},
      {"--power -0.5" + png, 2},
      {"--power forty" + png, 2},
      {"--speed -1" + png, 2},
      {"--speed 3.5" + png, 2},
      {"--line-lag 11" + png, 2},
      {"--frobnicate" + png, 2},
      {"--power", 2},
      {"", 2},  // nothing to do
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    EXPECT_EQ(Run(c.arguments), c.exitCode);
    EXPECT_EQ(err_.rfind("qexcard: ", 0), 0u) << err_;
    EXPECT_EQ(err_.find('\n'), err_.size() - 1) << err_;
    EXPECT_EQ(err_.rfind(std::string(c.reason) + "\n"), err_.size() - std::strlen(c.reason) - 1) << err_;
    EXPECT_EQ(out_, "");
    for (const char* name : {"/card.png", "/card.png.part", "/no", ".part", "/theirs.png"})
      EXPECT_FALSE(Exists(dir_ + name)) << name;
  }
  EXPECT_EQ(ReadText(dir_ + "/theirs.png.part"), "theirs");
}

// The picture as grey levels, top row first, decoded by ImageMagick through the file `pgm`;
// empty when it cannot be read.
std::vector<uint8_t> GreyPixels(const std::string& png, const std::string& pgm, unsigned* width, unsigned* height) {
  if (std::system(("/usr/bin/convert '" + png + "' -depth 8 pgm:'" + pgm + "'").c_str()) != 0) return {};
  std::ifstream file(pgm, std::ios::binary);
  std::string magic;
  unsigned maxValue = 0;
  file >> magic >> *width >> *height >> maxValue;
  file.get();
  std::vector<uint8_t> pixels(static_cast<size_t>(*width) * *height);
  if (magic != "P5" || maxValue != 255 || !file.read(reinterpret_cast<char*>(pixels.data()), pixels.size())) return {};
  return pixels;
}

TEST_F(Qexcard, DrawsTheCard) {
  ASSERT_EQ(Run("--png '" + dir_ + "/card.png'"), 0) << err_;
  unsigned width = 0, height = 0;
  const std::vector<uint8_t> pixels = GreyPixels(dir_ + "/card.png", dir_ + "/card.pgm", &width, &height);
  ASSERT_FALSE(pixels.empty());
  // Three page panels and the card, each the pattern (1827 x 240) with a margin of 40, 6 apart.
  EXPECT_EQ(width, 1907u);
  EXPECT_EQ(height, 4 * 320u + 3 * 6);
  const auto at = [&](int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; };
  // Page 2's 'A' bar (5003..5012 x 550..611) in the second panel, and white beside it.
  const int barX = 40 + 5003 - 4937, barY = 326 + 40 + 550 - 420;
  EXPECT_EQ(at(barX, barY), 0);
  EXPECT_EQ(at(barX + 9, barY + 61), 0);
  EXPECT_EQ(at(barX + 10, barY), 255);
  EXPECT_EQ(at(barX, barY + 62), 255);
  unsigned committedWidth = 0, committedHeight = 0;
  EXPECT_TRUE(GreyPixels(QEX_TEST_CARD, dir_ + "/committed.pgm", &committedWidth, &committedHeight) == pixels)
      << "docs/images/test_card.png is not the default card: qexcard --png docs/images/test_card.png";
}

}  // namespace
