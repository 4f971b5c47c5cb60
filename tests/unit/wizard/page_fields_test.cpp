// The power, speed and letter boxes' texts, clamps and arrow steps, and the rounding behind them.
#include "wizard/core/page_fields.h"

#include <gtest/gtest.h>

#include <cmath>

#include <tuple>
#include <utility>

#include "wizard/core/round_to_int.h"

TEST(PageFields, TextsClampsAndSteps) {
  const int32_t up = 0, down = 1;  // the codes the arrows send with WM_VSCROLL
  EXPECT_EQ(PowerText(995) + SpeedText(1, 3) + SpeedText(2, 3) + SpeedText(5, 0) + LetterText(10), "99%33%67%0%U");
  const std::pair<const char*, int32_t> powers[] = {
      {"40%", 400}, {"81%", 800}, {"19%", 200},         {" 55", 550},          {"-7", 200},
      {"abc", 200}, {"%40", 200}, {"99999999999", 800}, {"-09999999999", 200}, {"+99999999999", 800},
      {"09999999999", 800}};
  for (const auto& [text, want] : powers) EXPECT_EQ(PowerFromText(text), want) << text;
  const int32_t powerSteps[][3] = {{up, 800, 810}, {down, 200, 190}, {up, 1000, 1000},
                                   {down, 0, 0},   {up, 455, 460},   {5, 455, 450}};
  for (const auto& s : powerSteps) EXPECT_EQ(StepPower(s[0], s[1]), s[2]) << s[0] << " " << s[1];
  const std::tuple<const char*, int32_t, int32_t> speeds[] = {
      {"150", 1000, 1000}, {"-5", 1000, 0}, {"50", 3, 1}, {"51", 3, 2}, {"x", 1000, 0}, {"99999999999", 250, 250}};
  for (const auto& [text, maxSpeed, want] : speeds) EXPECT_EQ(SpeedFromText(text, maxSpeed), want) << text;
  const int32_t speedSteps[][4] = {{up, 1000, 1000, 1000}, {down, 0, 1000, 0}, {up, 500, 1000, 510},
                                   {down, 500, 1000, 490}, {up, 1, 3, 1},      {down, 7, 0, 0},
                                   {up, -50, 1000, 0},     {3, 1, 1, 1}};
  for (const auto& s : speedSteps) EXPECT_EQ(StepSpeed(s[0], s[1], s[2]), s[3]) << s[0] << " " << s[1] << " " << s[2];
  // The rounding's saturation and NaN are reached by no caller: these rows are their only check.
  for (const auto& [x, want] :
       {std::pair<double, int32_t>{-2.7, -2}, {1e300, INT32_MAX}, {-1e300, INT32_MIN}, {NAN, 0}})
    EXPECT_EQ(RoundToInt(x), want) << x;
  // The letters A to U stand for -10 to 10; anything else keeps the current tweak.
  const std::pair<const char*, int32_t> letters[] = {{"k", 0}, {"A", -10}, {"a", -10}, {"u", 10}, {"UV", 10},
                                                     {"V", 3}, {"v", 3},   {"7", 3},   {"", 3},   {"\xE1", 3}};
  for (const auto& [text, want] : letters) EXPECT_EQ(TweakFromLetterText(text, 3), want) << text;
}
