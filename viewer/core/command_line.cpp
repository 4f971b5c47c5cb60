// The viewer's command lines.
#include "viewer/core/command_line.h"

#include <climits>

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

class Scanner {
 public:
  explicit Scanner(const char* text) : p_(text ? text : "") {}

  std::string Word() {
    SkipSpace();
    const char* start = p_;
    while (*p_ && !IsSpace(*p_)) ++p_;
    return std::string(start, p_);
  }

  bool Int(int* value) {
    SkipSpace();
    const char* p = p_;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    if (*p < '0' || *p > '9') return false;
    long long v = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
      v = v * 10 + (*p - '0');
      if (v > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (negative) v = -v;
    if (v > INT_MAX || v < INT_MIN) return false;
    *value = static_cast<int>(v);
    p_ = p;
    return true;
  }

 private:
  void SkipSpace() {
    while (IsSpace(*p_)) ++p_;
  }
  const char* p_;
};

bool ReadOptionAndName(Scanner& scanner, const char* option, std::string* fileName) {
  if (scanner.Word() != option) return false;
  std::string name = scanner.Word();
  if (name.empty() || name.size() > kMaxFileName) return false;
  *fileName = name;
  return true;
}

}  // namespace

std::string FirstWord(const char* commandLine) { return Scanner(commandLine).Word(); }

bool ParseFileCommand(const char* commandLine, const char* option, std::string* fileName) {
  Scanner scanner(commandLine);
  return ReadOptionAndName(scanner, option, fileName);
}

bool ParseRectCommand(const char* commandLine, const char* option, std::string* fileName,
                      ScreenRect* rect) {
  Scanner scanner(commandLine);
  std::string name;
  ScreenRect r;
  if (!ReadOptionAndName(scanner, option, &name)) return false;
  if (!scanner.Int(&r.left) || !scanner.Int(&r.top) || !scanner.Int(&r.right) || !scanner.Int(&r.bottom)) {
    return false;
  }
  *fileName = name;
  *rect = r;
  return true;
}

std::string FormatRectCommand(const char* option, const std::string& fileName, const ScreenRect& rect) {
  return std::string(option) + " " + fileName + " " + std::to_string(rect.left) + " " +
         std::to_string(rect.top) + " " + std::to_string(rect.right) + " " + std::to_string(rect.bottom);
}
