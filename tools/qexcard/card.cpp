// qexcard's work: options, the settings block, the recorded job, its explanation and picture.
#include "tools/qexcard/card.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

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
    "                   500 x 500 dpi (the job sets 1000 x 1000 before it draws), maxSpeed\n"
    "                   1000, speed factor (byte 1544) 2, no ESC # packet (byte 1500 zero),\n"
    "                   every other byte 0.\n"
    "  --log            print the device calls, one per line, as the simulated driver logs them\n"
    "  --explain        print the job's settings and every device packet decoded\n"
    "  --png CARD.png   draw the three pages, one panel each, and under them the card they\n"
    "                   engrave together, one pixel per device unit (a thousandth of an inch),\n"
    "                   each panel captioned, the letter whose bars line up framed\n"
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
    run_->packets.push_back({{input, input + std::max(inputSize, 0)}, run_->pages.size() + 1});
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

std::string Format(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));
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

// One packet of the job: its bytes in hex, then what they say.
std::string ExplainPacket(const CardPacket& packet, const uint8_t* block) {
  const uint8_t* bytes = packet.bytes.data();
  const size_t size = packet.bytes.size();
  const size_t count = size >= 2 ? static_cast<size_t>(bytes[0] | bytes[1] << 8) : 0;
  if (size < 4 || count + 2 > size) return device_log::Hex(bytes, static_cast<long>(size)) + "  not a packet";
  const std::string hex = device_log::Hex(bytes, static_cast<long>(count + 2)) + "  ";
  const uint8_t command = bytes[2], letter = bytes[3];
  if (command == 0x1A && count == 2) {
    return hex + (std::isprint(letter) ? Format("SUB '%c'", letter) : Format("SUB %u", letter)) +
           Format(": page %zu follows", packet.nextPage);
  }
  if (command == 0x1B && letter == '#' && count == 4) return hex + Format("ESC # %u %u", bytes[4], bytes[5]);
  if (command == 0x1B && letter == 'p' && count == 4) {
    const unsigned value = bytes[4] << 8 | bytes[5];
    return hex + Format("ESC p %u: power %g %%", value, value / 320.0);
  }
  if (command == 0x1B && letter == 'T' && count == 18) {
    const int jobSpeed = GetI16(block, settings_offset::jobSpeed);
    std::string table;
    for (int i = 7; i <= 17; ++i) table += Format(" %u", bytes[i]);
    return hex + "ESC T\n" +
           Format("  byte 5, speed byte %u: V = ceil((F - 1) x 0.000001 x 10 x jobSpeed x 255) = %lld", bytes[5],
                  static_cast<long long>(SpeedValue(block))) +
           Format(" for F %u (byte 1544) and jobSpeed %d%s; the byte is V's low byte, 1 when V is 0\n",
                  GetU8(block, settings_offset::speedFactor), jobSpeed,
                  jobSpeed < 0 ? " (10 x jobSpeed read as unsigned 32 bits)" : "") +
           Format("  bytes 7-17, power table B x 1/6, 1/3, 1/2, 2/3, 5/6, 1, 1.25, 1.5, 1.75, 2, 2.25") +
           Format(" (at most 255) for B %u:%s\n", bytes[12], table.c_str()) +
           Format("  bytes 18-19, extras %u %u (of 255)", bytes[18], bytes[19]);
  }
  return hex + "unknown packet";
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

// The area that blits cover, in device units, right and bottom excluded.
struct Extent {
  long long left = 0, top = 0, right = 0, bottom = 0;
  bool any = false;
  void Add(const CardBlit& blit) {
    if (blit.width <= 0 || blit.height <= 0) return;
    left = any ? std::min<long long>(left, blit.x) : blit.x;
    top = any ? std::min<long long>(top, blit.y) : blit.y;
    right = any ? std::max(right, 0LL + blit.x + blit.width) : 0LL + blit.x + blit.width;
    bottom = any ? std::max(bottom, 0LL + blit.y + blit.height) : 0LL + blit.y + blit.height;
    any = true;
  }
  std::string Rows() const { return any ? Format("Y %lld TO %lld", top, bottom - 1) : "NOTHING DRAWN"; }
};

constexpr uint32_t kCaptionColour = 0x993300;  // COLORREF: dark blue, not engraved
constexpr uint32_t kMarkColour = 0x0000FF;     // COLORREF: red

void DrawCaption(const std::string& text, int left, int top, MemoryPicture* picture) {
  constexpr int kGlyphWidth = 14, kGlyphHeight = 20, kGap = 6;
  Canvas canvas(static_cast<int>(text.size()) * (kGlyphWidth + kGap), kGlyphHeight, 0);
  canvas.DrawText(text, 0, 0, kGlyphWidth, kGlyphHeight, kGap, 1, 1);
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x)
      if (canvas.At(x, y) == 1) picture->SetPixel(left + x, top + y, kCaptionColour);
}

// The letters whose bars on pages 2 and 3 lie at the same x: the card's straight line when
// the machine needs no correction.
std::string AlignedLetters(const CardRun& run) {
  std::string letters;
  if (run.pages.size() != 3 || run.pages[1].size() != kBarCount || run.pages[2].size() != kBarCount) return letters;
  for (size_t i = 0; i < kBarCount; ++i)
    if (run.pages[1][i].x == run.pages[2][i].x) letters += static_cast<char>('A' + i);
  return letters;
}

// Frames the columns of `letter` in the card's letter row, from the letters down to the bars.
void MarkLetter(const CardRun& run, char letter, const Extent& card, int dx, int dy, MemoryPicture* picture) {
  constexpr int kPad = 8, kLine = 3;
  for (const CardBlit& row : run.pages[0]) {
    if (!row.letterRow) continue;
    const ColumnExtent& columns = kLetterColumns[static_cast<size_t>(letter - 'A')];
    const int left = dx + row.x + columns.first - kPad, right = dx + row.x + columns.last + 1 + kPad;
    const int top = dy + row.y + kLetterTop - kPad, bottom = static_cast<int>(dy + card.bottom + kPad);
    picture->FillRect(left, top, right, top + kLine, kMarkColour);
    picture->FillRect(left, bottom - kLine, right, bottom, kMarkColour);
    picture->FillRect(left, top, left + kLine, bottom, kMarkColour);
    picture->FillRect(right - kLine, top, right, bottom, kMarkColour);
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
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(fileName.c_str(), "rb"), std::fclose);
  // One byte more than a block tells a longer file from a block.
  std::vector<uint8_t> bytes(kDriverSettingsSize + 1);
  const size_t size = file ? std::fread(bytes.data(), 1, bytes.size(), file.get()) : 0;
  if (!file || std::ferror(file.get())) {
    *error = "cannot read " + fileName + ": " + std::strerror(errno);
    return false;
  }
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

std::string ExplainCard(const CardRun& run) {
  const uint8_t* block = run.block.data();
  using namespace settings_offset;
  std::string text =
      Format("job: power %.1f %% (jobPower %u), speed %d %% of maxSpeed %d (jobSpeed %d), line lag %d, %d x %d dpi\n",
             GetU16(block, jobPower) / 10.0, GetU16(block, jobPower), static_cast<int>(SpeedPercent(block)),
             GetI16(block, maxSpeed), GetI16(block, jobSpeed), GetI16(block, jobLineLag), GetI16(block, xResolution),
             GetI16(block, yResolution));
  for (const CardPacket& packet : run.packets) text += ExplainPacket(packet, block) + "\n";
  return text;
}

bool DrawCard(const CardRun& run, MemoryPicture* picture) {
  constexpr long long kMargin = 40, kGap = 6, kMaxSide = 16384;
  Extent card;
  for (const auto& page : run.pages)
    for (const CardBlit& blit : page) card.Add(blit);
  const long long panels = static_cast<long long>(run.pages.size()) + 1;
  const long long width = card.right - card.left + 2 * kMargin, panelHeight = card.bottom - card.top + 2 * kMargin;
  const long long height = panels * panelHeight + (panels - 1) * kGap;
  if (!card.any || width > kMaxSide || height > kMaxSide) return false;
  if (!picture->Create(static_cast<int>(width), static_cast<int>(height))) return false;
  const std::string scale = Format("   1 PIXEL = 1/%d INCH", GetI16(run.block.data(), settings_offset::xResolution));
  const int dx = static_cast<int>(kMargin - card.left);
  for (long long panel = 0; panel < panels; ++panel) {
    const long long panelTop = panel * (panelHeight + kGap);
    const int dy = static_cast<int>(panelTop + kMargin - card.top);
    const int captionTop = static_cast<int>(panelTop) + 10;
    if (panel + 1 < panels) {
      const auto& page = run.pages[static_cast<size_t>(panel)];
      DrawPage(page, dx, dy, picture);
      Extent extent;
      for (const CardBlit& blit : page) extent.Add(blit);
      std::string caption = Format("PAGE %lld", panel + 1);
      for (const CardPacket& packet : run.packets)
        if (packet.nextPage == static_cast<size_t>(panel + 1) && packet.bytes.size() == 4 && packet.bytes[2] == 0x1A)
          caption += Format(" AFTER SUB %c", packet.bytes[3]);
      DrawCaption(caption + "   " + extent.Rows() + scale, static_cast<int>(kMargin), captionTop, picture);
      picture->FillRect(0, static_cast<int>(panelTop + panelHeight), static_cast<int>(width),
                        static_cast<int>(panelTop + panelHeight + kGap), 0x808080);
      continue;
    }
    for (const auto& page : run.pages) DrawPage(page, dx, dy, picture);
    std::string caption = Format("PAGES 1 TO %zu AS ENGRAVED   ", run.pages.size()) + card.Rows() + scale;
    const std::string aligned = AlignedLetters(run);
    if (!aligned.empty()) caption += "   THE BARS LINE UP AT " + aligned;
    DrawCaption(caption, static_cast<int>(kMargin), captionTop, picture);
    for (char letter : aligned) MarkLetter(run, letter, card, dx, dy, picture);
  }
  return true;
}
