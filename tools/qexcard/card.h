// qexcard: runs the wizard's alignment test job against a recording print device and shows
// what the engraver receives: the device log, the packets decoded, a picture of the card.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "viewer/core/memory_picture.h"

struct CardOptions {
  int32_t power = 400;         // tenths of a percent, as the wizard holds it
  int32_t speedPercent = 100;  // whole percent of the block's maxSpeed
  int32_t lineLag = 0;
  std::string device = "Engraver on LPT1:";
  std::string settingsFile;  // empty: DefaultSettingsBlock
  bool log = false;
  bool explain = false;
  bool help = false;
  std::string png;
};

extern const char kCardUsage[];

// False with a one-line reason for an unknown option, a missing or bad value, or nothing to do.
bool ParseCardOptions(int argc, const char* const* argv, CardOptions* options, std::string* error);

// A metric block at 500 dpi (the job sets 1000 before it draws), maxSpeed 1000, speed factor
// byte 2, no ESC # packet.
std::vector<uint8_t> DefaultSettingsBlock();
// False with a reason when the file cannot be read or does not hold exactly one block.
bool ReadSettingsBlock(const std::string& fileName, std::vector<uint8_t>* block, std::string* error);

struct CardBlit {
  int x, y, width, height;
  bool letterRow;  // bitmap 103 copied at its own size; else a black bar
};

struct CardPacket {
  std::vector<uint8_t> bytes;  // the escape's input
  size_t nextPage;             // the page started after it, counted from 1
};

// What the job handed to the print device.
struct CardRun {
  std::vector<std::string> log;              // one line per call, the simulated driver's format
  std::vector<CardPacket> packets;           // every escape, in order
  std::vector<std::vector<CardBlit>> pages;  // the blits of each started page
  std::vector<uint8_t> block;                // the settings the device context was made with
};

// Writes the wizard's fixed values into `block` (kDriverSettingsSize bytes) as opening the
// driver does, then runs the wizard's test job with the options' tuning on it.
CardRun RunCard(std::vector<uint8_t> block, const CardOptions& options);

// The job's settings, then every packet, one line each.
std::string ExplainCard(const CardRun& run);

// The three pages, one panel each, then the card they engrave together, one pixel per
// device unit around the drawn area, each panel with its caption, the letter whose bars
// line up framed on the card; false when nothing was drawn or memory runs out.
bool DrawCard(const CardRun& run, MemoryPicture* picture);
