// qexcard's work: options, the settings block, the recorded job, its explanation and picture.
#include "tools/qexcard/card.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "tools/device_log/device_log.h"
#include "tools/wizard_bitmaps/wizard_bitmaps.h"
#include "wizard/core/driver_settings.h"
#include "wizard/core/speed_scale.h"
#include "wizard/core/alignment_job.h"

const char kCardUsage[] =
    "usage: qexcard [--power P] [--speed S] [--line-lag L] [--device NAME] [--settings BLOCK]\n"
    "               [--log] [--explain] [--png CARD.png]\n"
    "Runs the wizard's alignment test job (\"MechanicalAlign\", sent by page 4) against a\n"
    "recording print device and shows what the engraver receives.\n"
    "  --power P        laser power in percent of full power, 0 to 100, tenths allowed (45.5),\n"
    "                   as the wizard holds it; the packets carry whole percent and send no\n"
    "                   power at all below 1 %. Default 40.\n"
    "  --speed S        speed in whole percent of the block's maxSpeed, 0 to 100, turned into\n"
    "                   the driver's speed units as the wizard's power page does. Default 100.\n"
    "  --line-lag L     line-lag correction, -10 to 10. Default 0.\n"
    "  --device NAME    the printer's device name, as the wizard's command line names it; it\n"
    "                   appears in the CreateDC line. Default \"Engraver on LPT1:\".\n"
    "  --settings BLOCK a file holding the 1564-byte settings block the driver hands out; the\n"
    "                   wizard writes its fixed values into it as it does after opening the\n"
    "                   printer. Default: a metric block (sample 10 cm from the left ruler) at\n"
    "                   500 x 500 dpi, maxSpeed 1000, speed factor (byte 1544) 2, no ESC #\n"
    "                   packet (byte 1500 zero), every other byte 0.\n"
    "  --log            print the device calls, one per line, as the simulated driver logs them\n"
    "  --explain        print the job's settings and every device packet decoded\n"
    "  --png CARD.png   draw the three pages, one panel each, and under them the card they\n"
    "                   engrave together, one pixel per device unit (a thousandth of an inch)\n"
    "Exit codes: 0 done; 1 the block or an output could not be read or written; 2 a bad\n"
    "command line.\n";

namespace {

constexpr size_t kMaxDeviceName = 127;  // the wizard cuts longer names

// A whole decimal number within [min, max], nothing else.
bool ParseInteger(const char* text, long min, long max, int32_t* value) {
  if (!std::isdigit(static_cast<unsigned char>(text[0])) && !(text[0] == '-' && text[1] != '\0')) return false;
  errno = 0;
  char* end = nullptr;
  const long v = std::strtol(text, &end, 10);
  if (errno != 0 || *end != '\0' || v < min || v > max) return false;
  *value = static_cast<int32_t>(v);
  return true;
}

// "45" or "45.5", 0 to 100, in tenths.
bool ParsePower(const char* text, int32_t* tenths) {
  const char* dot = std::strchr(text, '.');
  const std::string whole(text, dot ? static_cast<size_t>(dot - text) : std::strlen(text));
  int32_t percent = 0, fraction = 0;
  // Digits only before the dot: "-0.5" is not half a percent.
  if (whole.empty() || whole.size() > 3 || whole[0] == '-' || !ParseInteger(whole.c_str(), 0, 100, &percent))
    return false;
  if (dot && !(std::isdigit(static_cast<unsigned char>(dot[1])) && dot[2] == '\0')) return false;
  if (dot) fraction = dot[1] - '0';
  *tenths = percent * 10 + fraction;
  return *tenths <= 1000;
}

bool ReadText(const char* value, size_t limit, std::string* field) {
  if (value[0] == '\0' || std::strlen(value) > limit) return false;
  *field = value;
  return true;
}

struct ValueOption {
  const char* name;
  const char* wanted;
  bool (*read)(const char* value, CardOptions* options);
};

const ValueOption kValueOptions[] = {
    {"--power", "a percent from 0 to 100 with at most one decimal",
     [](const char* v, CardOptions* o) { return ParsePower(v, &o->power); }},
    {"--speed", "a whole percent from 0 to 100",
     [](const char* v, CardOptions* o) { return ParseInteger(v, 0, 100, &o->speedPercent); }},
    {"--line-lag", "a whole number from -10 to 10",
     [](const char* v, CardOptions* o) { return ParseInteger(v, -10, 10, &o->lineLag); }},
    {"--device", "a name of 1 to 127 characters",
     [](const char* v, CardOptions* o) { return ReadText(v, kMaxDeviceName, &o->device); }},
    {"--settings", "a file name",
     [](const char* v, CardOptions* o) { return ReadText(v, std::string::npos, &o->settingsFile); }},
    {"--png", "a file name", [](const char* v, CardOptions* o) { return ReadText(v, std::string::npos, &o->png); }},
};

const ValueOption* FindValueOption(const std::string& name) {
  for (const ValueOption& option : kValueOptions)
    if (name == option.name) return &option;
  return nullptr;
}

class NoProgress : public ProgressDisplay {
 public:
  void ShowProgress(int) override {}
};

// Records every call; the device context and every page start as on a working printer.
class RecordingDevice : public PrintDevice {
 public:
  explicit RecordingDevice(CardRun* run) : run_(run) {}
  void CreateDC(const char* deviceName, const uint8_t* settings) override {
    run_->block.assign(settings, settings + kDriverSettingsSize);
    Log(device_log::CreateDCLine(deviceName, settings, kDriverSettingsSize));
  }
  int StartDoc(const char* documentName) override {
    Log(device_log::StartDocLine(documentName));
    return 1;
  }
  void Escape(int escape, const uint8_t* input, int inputSize) override {
    Log(device_log::EscapeLine(escape, input, inputSize));
    run_->packets.emplace_back(input, input + std::max(inputSize, 0));
  }
  int StartPage() override {
    Log(device_log::StartPageLine());
    run_->pages.emplace_back();
    return 1;
  }
  void EndPage() override { Log(device_log::EndPageLine()); }
  void EndDoc() override { Log(device_log::EndDocLine()); }
  void DeleteDC() override { Log(device_log::DeleteDCLine()); }
  // The program holds one bitmap, the letter row; another one would not load and its blit
  // would copy nothing, as on the simulated driver.
  void DrawBitmapResource(int resourceId, int x, int y) override {
    const bool letterRow = resourceId == IDB_LETTER_ROW;
    const int width = letterRow ? kLetterRowWidth : 0, height = letterRow ? kLetterRowHeight : 0;
    Log(device_log::BitBltLine(x, y, width, height, device_log::kSrcCopy, width, height));
    AddBlit({x, y, width, height, letterRow});
  }
  void FillBlack(int x, int y, int width, int height) override {
    Log(device_log::BitBltLine(x, y, width, height, device_log::kBlackness, 0, 0));
    AddBlit({x, y, width, height, false});
  }

 private:
  void Log(std::string line) { run_->log.push_back(std::move(line)); }
  void AddBlit(const CardBlit& blit) {
    if (!run_->pages.empty()) run_->pages.back().push_back(blit);
  }
  CardRun* run_;
};

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
  char text[256];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return text;
}

int32_t SpeedPercent(const uint8_t* block) {
  return PercentFromSpeed(GetI16(block, settings_offset::jobSpeed), MaxSpeed(block));
}

void DrawPage(const std::vector<CardBlit>& page, int dx, int dy, MemoryPicture* picture) {
  static const Canvas letterRow = LetterRowCanvas();
  for (const CardBlit& blit : page) {
    if (!blit.letterRow) {
      picture->FillRect(dx + blit.x, dy + blit.y, dx + blit.x + blit.width, dy + blit.y + blit.height, 0);
      continue;
    }
    // SRCCOPY of a 1-bit bitmap: the engraver burns its black pixels only.
    for (int y = 0; y < std::min(blit.height, letterRow.height); ++y)
      for (int x = 0; x < std::min(blit.width, letterRow.width); ++x)
        if (letterRow.At(x, y) == 0) picture->SetPixel(dx + blit.x + x, dy + blit.y + y, 0);
  }
}

}  // namespace

bool ParseCardOptions(int argc, const char* const* argv, CardOptions* options, std::string* error) {
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--log") {
      options->log = true;
    } else if (option == "--explain") {
      options->explain = true;
    } else if (option == "--help" || option == "-h") {
      options->help = true;
    } else if (const ValueOption* valueOption = FindValueOption(option)) {
      if (i + 1 == argc) {
        *error = option + " needs a value";
        return false;
      }
      const char* value = argv[++i];
      if (!valueOption->read(value, options)) {
        *error = option + " wants " + valueOption->wanted + ", not '" + value + "'";
        return false;
      }
    } else {
      *error = "unknown option '" + option + "'";
      return false;
    }
  }
  if (!options->help && !options->log && !options->explain && options->png.empty()) {
    *error = "nothing to do: give --log, --explain or --png";
    return false;
  }
  return true;
}

std::vector<uint8_t> DefaultSettingsBlock() {
  std::vector<uint8_t> block(kDriverSettingsSize);
  PutU8(block.data(), settings_offset::metricUnits, 1);
  PutU16(block.data(), settings_offset::xResolution, 500);
  PutU16(block.data(), settings_offset::yResolution, 500);
  PutU16(block.data(), settings_offset::maxSpeed, 1000);
  PutU8(block.data(), settings_offset::speedFactor, 2);
  return block;
}

bool ReadSettingsBlock(const std::string& fileName, std::vector<uint8_t>* block, std::string* error) {
  std::ifstream file(fileName, std::ios::binary);
  // One byte more than a block tells a longer file from a block.
  std::vector<char> bytes(kDriverSettingsSize + 1);
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file.is_open() || file.bad()) {
    *error = "cannot read " + fileName;
    return false;
  }
  const size_t size = static_cast<size_t>(file.gcount());
  if (size != kDriverSettingsSize) {
    *error = fileName +
             (size > kDriverSettingsSize ? " holds more than" : " holds " + std::to_string(size) + " bytes, not") +
             " a settings block of " + std::to_string(kDriverSettingsSize) + " bytes";
    return false;
  }
  block->assign(bytes.begin(), bytes.begin() + kDriverSettingsSize);
  return true;
}

CardRun RunCard(std::vector<uint8_t> block, const CardOptions& options) {
  ApplyOpenDefaults(block.data());
  TuningState tuning;
  tuning.power1 = options.power;
  tuning.speed = SpeedFromPercent(options.speedPercent, MaxSpeed(block.data()));
  tuning.lineLagTweak = options.lineLag;
  CardRun run;
  RecordingDevice device(&run);
  NoProgress progress;
  PrintTestJob(device, progress, block.data(), tuning, SampleOriginFromSettings(block.data()), options.device.c_str());
  return run;
}

std::string ExplainPacket(const uint8_t* packet, size_t size, const uint8_t* block) {
  const size_t count = size >= 2 ? static_cast<size_t>(packet[0] | packet[1] << 8) : 0;
  if (size < 4 || count + 2 > size) return device_log::Hex(packet, static_cast<long>(size)) + "  not a packet";
  const std::string hex = device_log::Hex(packet, static_cast<long>(count + 2)) + "  ";
  const uint8_t command = packet[2], letter = packet[3];
  if (command == 0x1A && count == 2) {
    return hex + (std::isprint(letter) ? Format("SUB '%c'", letter) : Format("SUB %u", letter));
  }
  if (command == 0x1B && letter == '#' && count == 4) return hex + Format("ESC # %u %u", packet[4], packet[5]);
  if (command == 0x1B && letter == 'p' && count == 4) {
    const unsigned value = packet[4] << 8 | packet[5];
    return hex + Format("ESC p %u: power %g %%", value, value / 320.0);
  }
  if (command == 0x1B && letter == 'T' && count == 18) {
    std::string bars;
    for (int i = 7; i <= 17; ++i) bars += Format(" %u", packet[i]);
    return hex + Format("ESC T: speed byte %u (speed %d %% of maxSpeed), bar powers%s, extras %u %u (of 255)",
                        packet[5], static_cast<int>(SpeedPercent(block)), bars.c_str(), packet[18], packet[19]);
  }
  return hex + "unknown packet";
}

std::string ExplainCard(const CardRun& run) {
  const uint8_t* block = run.block.data();
  using namespace settings_offset;
  std::string text =
      Format("job: power %.1f %% (jobPower %u), speed %d %% of maxSpeed %d (jobSpeed %d), line lag %d, %d x %d dpi\n",
             GetU16(block, jobPower) / 10.0, GetU16(block, jobPower), static_cast<int>(SpeedPercent(block)),
             GetI16(block, maxSpeed), GetI16(block, jobSpeed), GetI16(block, jobLineLag), GetI16(block, xResolution),
             GetI16(block, yResolution));
  for (const std::vector<uint8_t>& packet : run.packets)
    text += ExplainPacket(packet.data(), packet.size(), block) + "\n";
  return text;
}

bool DrawCard(const CardRun& run, MemoryPicture* picture) {
  constexpr long long kMargin = 40, kGap = 6, kMaxSide = 16384;
  long long left = 0, top = 0, right = 0, bottom = 0;
  bool any = false;
  for (const auto& page : run.pages) {
    for (const CardBlit& blit : page) {
      if (blit.width <= 0 || blit.height <= 0) continue;
      left = any ? std::min<long long>(left, blit.x) : blit.x;
      top = any ? std::min<long long>(top, blit.y) : blit.y;
      right = any ? std::max(right, 0LL + blit.x + blit.width) : 0LL + blit.x + blit.width;
      bottom = any ? std::max(bottom, 0LL + blit.y + blit.height) : 0LL + blit.y + blit.height;
      any = true;
    }
  }
  const long long panels = static_cast<long long>(run.pages.size()) + 1;
  const long long width = right - left + 2 * kMargin, panelHeight = bottom - top + 2 * kMargin;
  const long long height = panels * panelHeight + (panels - 1) * kGap;
  if (!any || width > kMaxSide || height > kMaxSide) return false;
  if (!picture->Create(static_cast<int>(width), static_cast<int>(height))) return false;
  const int dx = static_cast<int>(kMargin - left);
  for (long long panel = 0; panel < panels; ++panel) {
    const long long panelTop = panel * (panelHeight + kGap);
    const int dy = static_cast<int>(panelTop + kMargin - top);
    if (panel + 1 < panels) {
      DrawPage(run.pages[static_cast<size_t>(panel)], dx, dy, picture);
      picture->FillRect(0, static_cast<int>(panelTop + panelHeight), static_cast<int>(width),
                        static_cast<int>(panelTop + panelHeight + kGap), 0x808080);
    } else {
      for (const auto& page : run.pages) DrawPage(page, dx, dy, picture);
    }
  }
  return true;
}
