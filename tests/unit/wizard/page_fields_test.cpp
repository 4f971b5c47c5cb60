// The power, speed and letter boxes' texts, clamps and arrow steps.
#include "wizard/core/page_fields.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {
// The codes the arrows send with WM_VSCROLL.
constexpr int32_t kUp = 0, kDown = 1;
}  // namespace

TEST(PageFields, PowerTextClampsAndSteps) {
  EXPECT_EQ(PowerText(995), "99%");
  const std::pair<const char*, int32_t> reads[] = {
      {"40%", 400}, {"81%", 800}, {"19%", 200},         {" 55", 550},          {"-7", 200},
      {"abc", 200}, {"%40", 200}, {"99999999999", 800}, {"-99999999999", 200}, {"09999999999", 800}};
  for (const auto& [text, want] : reads) EXPECT_EQ(PowerFromText(text), want) << text;
  const int32_t steps[][3] = {{kUp, 800, 810}, {kDown, 200, 190}, {kUp, 1000, 1000},
                              {kDown, 0, 0},   {kUp, 455, 460},   {5, 455, 450}};
  for (const auto& s : steps) EXPECT_EQ(StepPower(s[0], s[1]), s[2]) << s[0] << " " << s[1];
}

TEST(PageFields, SpeedTextClampsAndSteps) {
  EXPECT_EQ(SpeedText(1, 3), "33%");
  EXPECT_EQ(SpeedText(2, 3), "67%");
  EXPECT_EQ(SpeedText(5, 0), "0%");
  const std::tuple<const char*, int32_t, int32_t> reads[] = {
      {"150", 1000, 1000}, {"-5", 1000, 0}, {"50", 3, 1}, {"51", 3, 2}, {"x", 1000, 0}, {"99999999999", 250, 250}};
  for (const auto& [text, maxSpeed, want] : reads) EXPECT_EQ(SpeedFromText(text, maxSpeed), want) << text;
  const int32_t steps[][4] = {{kUp, 1000, 1000, 1000}, {kDown, 0, 1000, 0}, {kUp, 500, 1000, 510},
                              {kDown, 500, 1000, 490}, {kUp, 1, 3, 1},      {kDown, 7, 0, 0},
                              {kUp, -50, 1000, 0},     {3, 250, 1000, 250}};
  for (const auto& s : steps) EXPECT_EQ(StepSpeed(s[0], s[1], s[2]), s[3]) << s[0] << " " << s[1] << " " << s[2];
}

TEST(PageFields, LettersAToUStandForMinusTenToTen) {
  EXPECT_EQ(LetterText(10), "U");
  const std::pair<const char*, int32_t> reads[] = {{"k", 0}, {"A", -10}, {"a", -10}, {"u", 10}, {"UV", 10},
                                                   {"V", 3}, {"7", 3},   {"", 3},    {" K", 3}, {"\xE1", 3}};
  for (const auto& [text, want] : reads) EXPECT_EQ(TweakFromLetterText(text, 3), want) << text;
}
