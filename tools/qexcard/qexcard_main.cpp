// qexcard: the wizard's alignment test job as the engraver receives it (see kCardUsage).
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/qexcard/card.h"
#include "tools/qexpreview/png_output.h"

namespace {

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
      if (!WritePng(picture, options.png, &error)) return Fail(1, error);
    }
  }
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
    return Fail(1, std::string("cannot write to standard output: ") + std::strerror(errno));
  return 0;
}
