// The wizard's command line: the first word and the bracketed scan.
#include "wizard/core/tuning_command.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(TuningCommand, FirstWordAndBracketScan) {
  for (const char* line : {"-mt [a]", "  -mt", "-mt\t[a]"}) EXPECT_TRUE(IsTuningCommand(line)) << line;
  for (const char* line : {"-MT [a]", "-mtx [a]", "-mt[a] [b] 1 2 3 4"}) EXPECT_FALSE(IsTuningCommand(line)) << line;
  const std::string d300(300, 'd'), s127(127, 's');
  // Line, device name, section, items, point.
  const std::tuple<std::string, std::string, std::string, int, int, int> cases[] = {
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
  for (const auto& [line, device, section, items, x, y] : cases) {
    const TuningCommand command = ScanTuningCommand(line.c_str());
    EXPECT_EQ(command.deviceName + "|" + command.iniSection + "|" + std::to_string(command.items),
              device + "|" + section + "|" + std::to_string(items))
        << line;
    EXPECT_EQ(command.HasPoint() ? std::to_string(command.pointX) + "," + std::to_string(command.pointY) : "",
              items >= 4 ? std::to_string(x) + "," + std::to_string(y) : "")
        << line;
  }
}
