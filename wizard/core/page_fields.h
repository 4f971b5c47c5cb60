// The arithmetic behind the wizard's power, speed and letter boxes: the text each box
// shows for a value, the value its text stands for, and one arrow step.
#pragma once
#include <cstdint>
#include <string>

// Scroll codes of the arrows that step a box; any other code leaves the value.
constexpr int kScrollLineUp = 0;
constexpr int kScrollLineDown = 1;

// Page 2's instruction: where the sample goes, in the driver's units.
std::string PlacementText(bool metric);

// Power in tenths of a percent, shown in whole percent ("40%").
std::string PowerText(int32_t power);
// The box's number held to 20..80 %, in tenths; a text without a number reads as 20 %.
int32_t PowerFromText(const char* text);
// One whole percent up or down from `power`, held to 0..100 %, in tenths.
int32_t StepPower(int code, int32_t power);

// Speed in driver units, shown in percent of maxSpeed ("100%"); 0% when maxSpeed is 0.
std::string SpeedText(int32_t speed, int32_t maxSpeed);
// The box's percent held to 0..100, in driver units; a text without a number reads as 0 %.
int32_t SpeedFromText(const char* text, int32_t maxSpeed);
// One hundredth of maxSpeed up or down, held to 0..maxSpeed; 0 when maxSpeed is 0.
int32_t StepSpeed(int code, int32_t speed, int32_t maxSpeed);

// The alignment letter: 'K' + mechTweak, so -10 is "A" and +10 is "U".
std::string LetterText(int32_t mechTweak);
// The tweak of the box's first character (upper-cased) when it lies in 'A'..'U', else `current`.
int32_t TweakFromLetterText(const char* text, int32_t current);
