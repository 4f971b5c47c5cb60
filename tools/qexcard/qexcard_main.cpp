// qexcard: the wizard's alignment test job as the engraver receives it (see kCardUsage).
#include <cstdio>
#include <string>

#include "tools/qexcard/card.h"
#include "tools/qexpreview/png_output.h"

namespace {

// Writes a temporary file beside `fileName` and renames it, so that no half PNG is left.
bool WritePngFile(const MemoryPicture& picture, const std::string& fileName, std::string* error) {
  const std::string temporary = fileName + ".part";
  std::string reason;
  if (WritePng(picture, temporary, &reason) && std::rename(temporary.c_str(), fileName.c_str()) == 0) return true;
  std::remove(temporary.c_str());
  *error = "cannot write " + fileName;
  return false;
}

int Fail(int code, const std::string& message) {
  std::fprintf(stderr, "qexcard: %s\n", message.c_str());
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  CardOptions options;
  std::string error;
  if (!ParseCardOptions(argc, argv, &options, &error)) return Fail(2, error + " (qexcard --help shows the usage)");
  std::string text = options.help ? kCardUsage : "";
  if (!options.help) {
    std::vector<uint8_t> block = DefaultSettingsBlock();
    if (!options.settingsFile.empty() && !ReadSettingsBlock(options.settingsFile, &block, &error))
      return Fail(1, error);
    const CardRun run = RunCard(std::move(block), options);
    if (options.log)
      for (const std::string& line : run.log) text += line + "\n";
    if (options.explain) text += ExplainCard(run);
    if (!options.png.empty()) {
      MemoryPicture picture;
      if (!DrawCard(run, &picture)) return Fail(1, "no memory for the picture of the card");
      if (!WritePngFile(picture, options.png, &error)) return Fail(1, error);
    }
  }
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
    return Fail(1, "cannot write to standard output");
  return 0;
}
