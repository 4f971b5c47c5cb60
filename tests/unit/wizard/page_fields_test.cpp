// The power, speed and letter boxes' texts, clamps and arrow steps.
#include "wizard/core/page_fields.h"

#include <gtest/gtest.h>

namespace {

TEST(PowerBox, TextInWholePercent) {
  EXPECT_EQ(PowerText(400), "40%");
  EXPECT_EQ(PowerText(455), "45%");
  EXPECT_EQ(PowerText(1000), "100%");
  EXPECT_EQ(PowerText(0), "0%");
}

TEST(PowerBox, ReadingClampsToTwentyToEighty) {
  struct Case {
    const char* text;
    int32_t expected;
  };
  const Case cases[] = {{"40%", 400}, {"100%", 800}, {"95", 800},  {"5", 200},     {"20", 200}, {"80%", 800},
                        {"81%", 800}, {"19%", 200},  {" 55", 550}, {"-7", 200},    {"", 200},   {"abc", 200},
                        {"%40", 200}, {"99999999999", 800}, {"-99999999999", 200}};
  for (const Case& c : cases) EXPECT_EQ(PowerFromText(c.text), c.expected) << c.text;
}

TEST(PowerBox, ArrowsStepOneWholePercentWithinZeroToHundred) {
  struct Case {
    int code;
    int32_t power, expected;
  };
  const Case cases[] = {{kScrollLineUp, 800, 810},   {kScrollLineDown, 200, 190}, {kScrollLineUp, 100, 110},
                        {kScrollLineDown, 100, 90},  {kScrollLineUp, 1000, 1000}, {kScrollLineDown, 0, 0},
                        {kScrollLineUp, 455, 460},   {5, 455, 450}};
  for (const Case& c : cases) EXPECT_EQ(StepPower(c.code, c.power), c.expected) << c.code << " " << c.power;
  // The arrows start from the clamped box: 80% up shows 81%, and again still 81%.
  EXPECT_EQ(PowerText(StepPower(kScrollLineUp, PowerFromText(PowerText(StepPower(kScrollLineUp, 800)).c_str()))),
            "81%");
}

TEST(SpeedBox, TextAndReadingInPercentOfMaxSpeed) {
  EXPECT_EQ(SpeedText(1000, 1000), "100%");
  EXPECT_EQ(SpeedText(1, 3), "33%");
  EXPECT_EQ(SpeedText(2, 3), "67%");
  EXPECT_EQ(SpeedText(5, 0), "0%");
  struct Case {
    const char* text;
    int32_t maxSpeed, expected;
  };
  const Case cases[] = {{"100%", 1000, 1000}, {"150", 1000, 1000}, {"-5", 1000, 0}, {"50", 3, 1},
                        {"51", 3, 2},         {"x", 1000, 0},      {"40", 0, 0},    {"99999999999", 250, 250}};
  for (const Case& c : cases) EXPECT_EQ(SpeedFromText(c.text, c.maxSpeed), c.expected) << c.text;
}

TEST(SpeedBox, ArrowsStepOneHundredthWithinTheScale) {
  struct Case {
    int code;
    int32_t speed, maxSpeed, expected;
  };
  const Case cases[] = {{kScrollLineUp, 1000, 1000, 1000}, {kScrollLineDown, 0, 1000, 0},
                        {kScrollLineUp, 500, 1000, 510},   {kScrollLineDown, 500, 1000, 490},
                        {kScrollLineUp, 1, 3, 1},          {kScrollLineUp, 0, 0, 0},
                        {kScrollLineDown, 7, 0, 0},        {kScrollLineUp, -50, 1000, 0},
                        {kScrollLineUp, 2000, 1000, 1000}, {3, 250, 1000, 250}};
  for (const Case& c : cases)
    EXPECT_EQ(StepSpeed(c.code, c.speed, c.maxSpeed), c.expected) << c.code << " " << c.speed << " " << c.maxSpeed;
}

TEST(LetterBox, LettersAToUStandForMinusTenToTen) {
  EXPECT_EQ(LetterText(-10), "A");
  EXPECT_EQ(LetterText(0), "K");
  EXPECT_EQ(LetterText(10), "U");
  struct Case {
    const char* text;
    int32_t expected;
  };
  const Case cases[] = {{"k", 0}, {"A", -10}, {"u", 10}, {"UV", 10}, {"V", 3}, {"7", 3},
                        {"", 3},  {" K", 3},  {"@", 3},  {"\xE1", 3}};
  for (const Case& c : cases) EXPECT_EQ(TweakFromLetterText(c.text, 3), c.expected) << c.text;
}

}  // namespace
