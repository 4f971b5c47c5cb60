// qexcard run as the driver team runs it: the default card's log and packets, bad input,
// and the PNG.
#include <gtest/gtest.h>
#include <png.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
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
    const int status = std::system((std::string(QEXCARD) + " " + arguments + " >'" + dir_ + "/out' 2>'" + dir_ +
                                    "/err'").c_str());
    out_ = ReadText(dir_ + "/out");
    err_ = ReadText(dir_ + "/err");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::vector<std::string> OutLines() const {
    std::vector<std::string> lines;
    std::istringstream text(out_);
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
  }
  std::string dir_, out_, err_;
};

// The default block is metric: the pattern corner lies 1000 right of the 10 cm origin
// (3937) and 420 down. Speed factor 2 gives a speed byte of ceil(10 x speed x 255 / 10^6).
TEST_F(Qexcard, DefaultCardLog) {
  const std::string zeros(28, '0');
  const struct {
    const char* arguments;
    size_t lineCount;
    std::vector<std::pair<size_t, std::string>> lines;  // line index, text
  } cases[] = {
      {"", 57, {{1, "StartDoc MechanicalAlign"},
            {2, "Escape 19 04001b703200" + zeros},  // 40 % x 320 = 12800
            {3, "Escape 19 12001b54000300112233445466" "7f99b2cce5" "ccb2"},
            {4, "StartPage"},
            {5, "BitBlt 4937 420 1827 110 00cc0020 1827x110"},
            {7, "Escape 19 02001a57"},
            {9, "BitBlt 5003 550 10 62 00000042 0x0"},
            {33, "BitBlt 4993 598 10 62 00000042 0x0"},   // 'A' of page 3: 10 left of page 2's
            {43, "BitBlt 5864 598 10 62 00000042 0x0"},   // 'K' is not shifted
            {55, "EndDoc"},
            {56, "DeleteDC"}}},
      {"--power 80 --speed 50", 57, {{2, "Escape 19 04001b706400" + zeros},  // 25600; speed 500: byte 2
                                 {3, "Escape 19 12001b5400020022446688a9ccffffffffffccb2"}}},
      // Below 1 % no power packets, the pages all the same.
      {"--power 0.5", 55, {{2, "StartPage"}, {5, "Escape 19 02001a57"}, {54, "DeleteDC"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    ASSERT_EQ(Run(std::string(c.arguments) + " --log"), 0) << err_;
    const std::vector<std::string> lines = OutLines();
    ASSERT_EQ(lines.size(), c.lineCount);
    for (const auto& [index, text] : c.lines) EXPECT_EQ(lines[index], text) << "line " << index;
  }
}

// The tuning and device name reach the block that the device context is made with.
TEST_F(Qexcard, CreateDCCarriesTuningAndDeviceName) {
  ASSERT_EQ(Run("--power 45.5 --speed 37 --line-lag -2 --device 'Laser 2' --log"), 0) << err_;
  const std::string prefix = "CreateDC Laser 2 ";
  const std::string line = OutLines().at(0);
  ASSERT_EQ(line.size(), prefix.size() + 2 * 1564);
  const std::string hex = line.substr(prefix.size());
  for (const auto& [offset, bytes] : {std::pair<size_t, const char*>{156, "c701"},  // jobPower 455
                                      {188, "7201"},                                // jobSpeed 370
                                      {1488, "feff"},                               // jobLineLag -2
                                      {312, "e803"}, {40, "0d000000"}})
    EXPECT_EQ(hex.substr(2 * offset, std::string(bytes).size()), bytes) << "offset " << offset;
  EXPECT_EQ(OutLines().at(2), "Escape 19 04001b703840" + std::string(28, '0'));  // 45 % x 320
}

TEST_F(Qexcard, ExplainsThePackets) {
  ASSERT_EQ(Run("--power 40 --explain"), 0) << err_;
  EXPECT_NE(out_.find("04001b703200  ESC p 12800: power 40 %\n"), std::string::npos) << out_;
  EXPECT_NE(out_.find("bar powers 17 34 51 68 84 102 127 153 178 204 229, extras 204 178"), std::string::npos)
      << out_;
  EXPECT_NE(out_.find("02001a57  SUB 'W'\n02001a45  SUB 'E'\n"), std::string::npos) << out_;
}

TEST_F(Qexcard, BadInputFailsWithOneLineAndWritesNothing) {
  std::ofstream(dir_ + "/short.bin", std::ios::binary) << std::string(1563, '\0');
  std::ofstream(dir_ + "/long.bin", std::ios::binary) << std::string(1565, '\0');
  const std::string png = " --png '" + dir_ + "/card.png'";
  const struct {
    std::string arguments;
    int exitCode;
  } cases[] = {
      {"--settings '" + dir_ + "/short.bin'" + png, 1},
      {"--settings '" + dir_ + "/long.bin'" + png, 1},
      {"--settings '" + dir_ + "/missing.bin'" + png, 1},
      {"--png '" + dir_ + "/no/card.png'", 1},
      {"--png '" + dir_ + "'", 1},  // a folder
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
    EXPECT_EQ(out_, "");
    for (const char* name : {"/card.png", "/card.png.part", "/no", ".part"})
      EXPECT_FALSE(Exists(dir_ + name)) << name;
  }
}

// The picture as grey levels, top row first; empty when it cannot be read.
std::vector<png_byte> GreyPixels(const std::string& path, png_uint_32* width, png_uint_32* height) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
  image.format = PNG_FORMAT_GRAY;
  std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return {};
  *width = image.width;
  *height = image.height;
  return pixels;
}

TEST_F(Qexcard, DrawsTheCard) {
  ASSERT_EQ(Run("--png '" + dir_ + "/card.png'"), 0) << err_;
  png_uint_32 width = 0, height = 0;
  const std::vector<png_byte> pixels = GreyPixels(dir_ + "/card.png", &width, &height);
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
  png_uint_32 committedWidth = 0, committedHeight = 0;
  EXPECT_TRUE(GreyPixels(QEX_TEST_CARD, &committedWidth, &committedHeight) == pixels)
      << "docs/images/test_card.png is not the default card: qexcard --png docs/images/test_card.png";
}

}  // namespace
