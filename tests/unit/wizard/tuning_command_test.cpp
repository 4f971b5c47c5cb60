// The wizard's command line: the first word and the bracketed scan.
#include "wizard/core/tuning_command.h"

#include <gtest/gtest.h>

TEST(TuningCommand, OnlyTheExactFirstWordSelectsTheRun) {
  EXPECT_TRUE(IsTuningCommand("-mt [a] [b] 1 2 3 4"));
  EXPECT_TRUE(IsTuningCommand("  -mt"));
  EXPECT_TRUE(IsTuningCommand("-mt\t[a]"));
  for (const char* line : {"", "-MT [a] [b] 1 2 3 4", "-mtx [a]", "/mt [a]", "-m", "-mt[a] [b] 1 2 3 4"}) {
    EXPECT_FALSE(IsTuningCommand(line)) << line;
  }
  EXPECT_FALSE(IsTuningCommand(nullptr));
}

TEST(TuningCommand, ScanFollowsTheBracketedFormat) {
  struct Case {
    const char* line;
    const char* device;
    const char* section;
    int items;
    int x;
    int y;
  };
  const Case cases[] = {
      {"-mt [Engraver on LPT1:] [Section] 310 225 0 0", "Engraver on LPT1:", "Section", 6, 310, 225},
      {"-mt[ Engraver ]  [ Wood, 3 mm ]-5 +7 x", " Engraver ", " Wood, 3 mm ", 4, -5, 7},
      {"-mt [A]\t[B]\n1\n2", "A", "B", 4, 1, 2},
      {"-mt [A] [B] 1", "A", "B", 3, 1, 0},
      {"-mt [A] [B]", "A", "B", 2, 0, 0},
      {"-mt [A] [B] x 1 2 3", "A", "B", 2, 0, 0},
      {"-mt [A] [] 1 2 3 4", "A", "", 1, 0, 0},
      {"-mt [A] B 1 2 3 4", "A", "", 1, 0, 0},
      {"-mt [A [B] 1 2 3 4", "A [B", "", 1, 0, 0},
      {"-mt [A", "A", "", 1, 0, 0},
      {"-mt [] [B] 1 2 3 4", "", "", 0, 0, 0},
      {" -mt [A] [B] 1 2 3 4", "", "", 0, 0, 0},
      {"-mtx [A] [B] 1 2 3 4", "", "", 0, 0, 0},
      {"-mt [A] [B] 1 2147483648 3 4", "A", "B", 3, 1, 0},
      {"-mt [A] [B] -2147483648 2147483647", "A", "B", 4, -2147483647 - 1, 2147483647},
      {"", "", "", 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const TuningCommand command = ScanTuningCommand(c.line);
    EXPECT_EQ(command.deviceName, c.device);
    EXPECT_EQ(command.iniSection, c.section);
    EXPECT_EQ(command.items, c.items);
    EXPECT_EQ(command.HasPoint(), c.items >= 4);
    EXPECT_EQ(command.pointX, c.x);
    EXPECT_EQ(command.pointY, c.y);
  }
}

TEST(TuningCommand, LongNamesAreCutAndTheScanGoesOn) {
  const std::string device(300, 'd');
  const std::string section(128, 's');
  const TuningCommand command = ScanTuningCommand(("-mt [" + device + "] [" + section + "] 4 5 6 7").c_str());
  EXPECT_EQ(command.deviceName, std::string(127, 'd'));
  EXPECT_EQ(command.iniSection, std::string(127, 's'));
  EXPECT_EQ(command.items, 6);
  EXPECT_EQ(command.pointX, 4);
  EXPECT_EQ(command.pointY, 5);
  EXPECT_EQ(ScanTuningCommand(("-mt [" + std::string(127, 'e') + "] [x]").c_str()).deviceName, std::string(127, 'e'));
}
