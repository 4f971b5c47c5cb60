// The wizard's command line: the first word and the bracketed scan.
#include "wizard/core/tuning_command.h"

#include <gtest/gtest.h>

TEST(TuningCommand, FirstWordAndBracketScan) {
  for (const char* line : {"-mt [a]", "  -mt", "-mt\t[a]"}) EXPECT_TRUE(IsTuningCommand(line)) << line;
  for (const char* line : {"", "-MT [a]", "-mtx [a]", "/mt", "-mt[a] [b] 1 2 3 4"}) EXPECT_FALSE(IsTuningCommand(line)) << line;
  const std::string d300(300, 'd'), s127(127, 's');
  struct Case {
    std::string line, device, section;
    int items, x, y;
  };
  const Case cases[] = {
      {"-mt [Engraver on LPT1:] [Section] 310 225 0 0", "Engraver on LPT1:", "Section", 6, 310, 225},
      {"-mt[ Engraver ]  [ Wood, 3 mm ]-5 +7 x", " Engraver ", " Wood, 3 mm ", 4, -5, 7},
      {"-mt [A] [B] 1", "A", "B", 3, 0, 0},
      {"-mt [A] [B] x 1 2 3", "A", "B", 2, 0, 0},
      {"-mt [A] [] 1 2 3 4", "A", "", 1, 0, 0},
      {"-mt [A [B] 1 2 3 4", "A [B", "", 1, 0, 0},
      {"-mt [] [B] 1 2 3 4", "", "", 0, 0, 0},
      {" -mt [A] [B] 1 2 3 4", "", "", 0, 0, 0},
      {"-mt [A] [B] 1 2147483648 3 4", "A", "B", 3, 0, 0},
      {"-mt [A] [B] -2147483648 2147483647", "A", "B", 4, -2147483647 - 1, 2147483647},
      {"-mt [" + d300 + "] [" + s127 + "s] 4 5 6 7", d300.substr(0, 127), s127, 6, 4, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const TuningCommand command = ScanTuningCommand(c.line.c_str());
    EXPECT_EQ(command.deviceName, c.device);
    EXPECT_EQ(command.iniSection, c.section);
    EXPECT_EQ(command.items, c.items);
    EXPECT_EQ(command.HasPoint() ? command.pointX : 0, c.x);
    EXPECT_EQ(command.HasPoint() ? command.pointY : 0, c.y);
  }
}
