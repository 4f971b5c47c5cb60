// The viewer's command lines.
#include "viewer/core/command_line.h"

#include "common/decimal_scan.h"

namespace {

class Scanner {
 public:
  explicit Scanner(const char* text) : p_(text ? text : "") {}

  std::string Word() {
    SkipSpace();
    const char* start = p_;
    while (*p_ && !IsScanSpace(*p_)) ++p_;
    return std::string(start, p_);
  }

  bool Int(int* value) {
    int32_t scanned;
    const size_t used = ScanInt(p_, &scanned);
    if (used == 0) return false;
    *value = scanned;
    p_ += used;
    return true;
  }

 private:
  void SkipSpace() {
    while (IsScanSpace(*p_)) ++p_;
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

bool ParseRectCommand(const char* commandLine, const char* option, std::string* fileName, ScreenRect* rect) {
  Scanner scanner(commandLine);
  std::string name;
  ScreenRect r{};
  if (!ReadOptionAndName(scanner, option, &name)) return false;
  if (!scanner.Int(&r.left) || !scanner.Int(&r.top) || !scanner.Int(&r.right) || !scanner.Int(&r.bottom)) {
    return false;
  }
  *fileName = name;
  *rect = r;
  return true;
}

std::string FormatRectCommand(const char* option, const std::string& fileName, const ScreenRect& rect) {
  return std::string(option) + " " + fileName + " " + std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
         std::to_string(rect.right) + " " + std::to_string(rect.bottom);
}
