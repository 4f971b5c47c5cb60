// The fuzz targets of the cores' parsers. Built with QEX_FUZZ_TARGET="NAME" the file is the
// libFuzzer program of that target; without it, a program that replays every file kept in
// regressions/NAME/ through target NAME.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "common/little_endian.h"
#include "viewer/core/bmp_file.h"
#include "viewer/core/command_line.h"
#include "viewer/core/overlay_picture.h"
#include "viewer/core/picture_area.h"
#include "viewer/core/preview_file.h"
#include "wizard/core/driver_settings.h"
#include "wizard/core/page_fields.h"
#include "wizard/core/tuning_command.h"
#include "wizard/core/tuning_settings.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

// What the loader accepts must point into the file.
void Bmp(const uint8_t* data, size_t size) {
  BmpImage image;
  if (ParseBmpFile(data, size, &image) != 0) return;
  Check(image.width > 0 && image.height > 0 && image.header == data + 14 && image.pixels >= data &&
        image.pixels <= data + size);
}

// LASER.INI values: the input holds a maxSpeed and the five keys' texts, one a line.
class FuzzedProfile : public ProfileStore {
 public:
  explicit FuzzedProfile(std::string values) : values_(std::move(values)) {}
  void GetString(const char*, const char*, const char*, char* buffer, size_t size) override {
    const size_t end = values_.find('\n');
    std::strncpy(buffer, values_.substr(0, end).c_str(), size - 1);
    buffer[size - 1] = '\0';
    values_ = end == std::string::npos ? "" : values_.substr(end + 1);
  }
  void WriteString(const char*, const char*, const char*) override {}

 private:
  std::string values_;
};

void LaserIni(const uint8_t* data, size_t size) {
  if (size < 2) return;
  uint8_t settings[kDriverSettingsSize] = {};
  PutU16(settings, settings_offset::maxSpeed, GetU16(data));
  FuzzedProfile store(std::string(reinterpret_cast<const char*>(data + 2), size - 2));
  TuningState state;
  LoadTuning(state, settings, store, "Section");
  SaveTuning(state, settings, store, "Section");
  Check(state.power1 >= 0 && state.power1 <= 1000 && state.power2 >= 0 && state.power2 <= 1000 &&
        state.lineLagTweak >= -10 && state.lineLagTweak <= 10 && state.mechTweak >= -10 && state.mechTweak <= 10);
}

void Overlay(const uint8_t* data, size_t size) {
  MemoryPicture picture;
  RenderState state;
  ByteCursor in(data, size);
  if (picture.Create(97, 61)) DrawOverlayIntoPicture(in, picture, state);
}

// The power, speed and letter boxes: a maxSpeed, an arrow code and the box's text.
void PageFields(const uint8_t* data, size_t size) {
  if (size < 5) return;
  const int32_t maxSpeed = static_cast<int32_t>(GetU32(data));
  const int code = data[4] % 3;
  const std::string text(reinterpret_cast<const char*>(data + 5), size - 5);
  PowerText(StepPower(code, PowerFromText(text.c_str())));
  SpeedText(StepSpeed(code, SpeedFromText(text.c_str(), maxSpeed), maxSpeed), maxSpeed);
  LetterText(TweakFromLetterText(text.c_str(), 0));
}

void Preview(const uint8_t* data, size_t size) {
  RenderState state;
  NoMonitorObserver observer;
  RenderPreview(data, size, state, observer);
}

void TuningCommandLine(const uint8_t* data, size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  IsTuningCommand(line.c_str());
  const TuningCommand command = ScanTuningCommand(line.c_str());
  Check(command.deviceName.size() <= kMaxBracketName && command.iniSection.size() <= kMaxBracketName &&
        command.items >= 0 && command.items <= 6);
}

// A rectangle command read must read back the same once formatted.
void ViewerCommand(const uint8_t* data, size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  std::string name, again;
  ScreenRect rect, back;
  FirstWord(line.c_str());
  ParseFileCommand(line.c_str(), "-f", &name);
  if (!ParseRectCommand(line.c_str(), "-b", &name, &rect)) return;
  Check(ParseRectCommand(FormatRectCommand("-b", name, rect).c_str(), "-b", &again, &back) && again == name &&
        back.left == rect.left && back.top == rect.top && back.right == rect.right && back.bottom == rect.bottom);
  int width = 0, height = 0;
  if (!RectangleSize(rect, &width, &height)) return;
  PlacePicture(65535, 1, width, height);
  PlacePicture(1, 65535, width, height);
}

using Target = void (*)(const uint8_t*, size_t);
const std::map<std::string, Target> kTargets = {{"bmp", Bmp},
                                                {"laser_ini", LaserIni},
                                                {"overlay", Overlay},
                                                {"page_fields", PageFields},
                                                {"preview", Preview},
                                                {"tuning_command", TuningCommandLine},
                                                {"viewer_command", ViewerCommand}};

}  // namespace

#ifdef QEX_FUZZ_TARGET
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kTargets.at(QEX_FUZZ_TARGET)(data, size);
  return 0;
}
#else
// Usage: fuzz_replay REGRESSIONS_FOLDER
int main(int argc, char** argv) {
  if (argc != 2) return 2;
  for (const auto& [name, target] : kTargets) {
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(argv[1]) / name)) {
      std::ifstream file(entry.path(), std::ios::binary);
      const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
      target(bytes.data(), bytes.size());
      ++replayed;
    }
    std::printf("%s: %d inputs replayed\n", name.c_str(), replayed);
    if (replayed == 0) return 1;
  }
  return 0;
}
#endif
