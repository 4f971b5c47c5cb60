// The wizard's command line: the first word and the bracketed scan.
#include "wizard/core/tuning_command.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

TEST(TuningCommand, FirstWordAndBracketScan) {
  for (const char* line : {"-mt [a]", "  -mt", "-mt\t[a]"}) EXPECT_TRUE(IsTuningCommand(line)) << line;
  for (const char* line : {"-MT [a]", "-mtx [a]", "-mt[a] [b] 1 2 3 4"}) EXPECT_FALSE(IsTuningCommand(line)) << line;
  const std::string d300(300, 'd'), s127(127, 's');
  // Line; device name|section|items|point|HasPoint, what was not reached empty or zero.
  const std::pair<std::string, std::string> cases[] = {
      {"-mt [Engraver on LPT1:] [Section] 310 225 0 0 9", "Engraver on LPT1:|Section|6|310,225|1"},
      {"-mt[ Engraver ]  [ Wood, 3 mm ]-5 +7 x", " Engraver | Wood, 3 mm |4|-5,7|1"},
      {"-mt [A] [B] 1", "A|B|3|1,0|0"},
      {"-mt [A] [B] x 1 2 3", "A|B|2|0,0|0"},
      {"-mt [A] [] 1 2 3 4", "A||1|0,0|0"},
      {"-mt [A [B] 1 2 3 4", "A [B||1|0,0|0"},
      {"-mt [] [B] 1 2 3 4", "||0|0,0|0"},
      {" -mt [A] [B] 1 2 3 4", "||0|0,0|0"},
      {"-mt [A] [B] 1 2147483648 3 4", "A|B|3|1,0|0"},
      {"-mt [A] [B] -2147483648 2147483647", "A|B|4|-2147483648,2147483647|1"},
      {"-mt [" + d300 + "] [" + s127 + "s] 4 5 6 7", d300.substr(0, 127) + "|" + s127 + "|6|4,5|1"},
  };
  for (const auto& [line, want] : cases) {
    const TuningCommand c = ScanTuningCommand(line.c_str());
    EXPECT_EQ(c.deviceName + "|" + c.iniSection + "|" + std::to_string(c.items) + "|" + std::to_string(c.pointX) + "," +
                  std::to_string(c.pointY) + "|" + std::to_string(c.HasPoint()),
              want)
        << line;
  }
}
