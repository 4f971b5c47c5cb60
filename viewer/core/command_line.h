// The viewer's command lines: an option word, a file name (one word, no blanks) and, for
// the painting commands, a screen rectangle "left top right bottom" with inclusive edges.
#pragma once
#include <cstddef>
#include <string>

constexpr size_t kMaxFileName = 255;

struct ScreenRect {
  int left;
  int top;
  int right;
  int bottom;
};

// The first white-space-delimited word, or "" for an empty line.
std::string FirstWord(const char* commandLine);

// "<option> <file>": true when the first word is exactly `option` and a file name of at
// most kMaxFileName characters follows.
bool ParseFileCommand(const char* commandLine, const char* option, std::string* fileName);

// "<option> <file> <left> <top> <right> <bottom>": true only when all five items are read.
// Numbers are scanned as "%d" scans them (sign, digits, stop at the first other
// character); a number outside the int range is not read.
bool ParseRectCommand(const char* commandLine, const char* option, std::string* fileName, ScreenRect* rect);

// Builds "<option> <file> <left> <top> <right> <bottom>".
std::string FormatRectCommand(const char* option, const std::string& fileName, const ScreenRect& rect);
