// qexcard: the wizard's alignment test job as the engraver receives it (see kCardUsage).
#include <fcntl.h>
#include <png.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tools/qexcard/card.h"

namespace {

// The picture as an 8-bit RGB PNG; empty when libpng cannot encode it.
std::vector<uint8_t> EncodePng(const MemoryPicture& picture) {
  std::vector<png_byte> rgb;
  rgb.reserve(static_cast<size_t>(picture.width()) * picture.height() * 3);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      for (int shift : {16, 8, 0}) rgb.push_back(static_cast<png_byte>(picture.Pixel(x, y) >> shift));
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.width());
  image.height = static_cast<png_uint_32>(picture.height());
  image.format = PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr)) return {};
  std::vector<uint8_t> png(size);
  if (!png_image_write_to_memory(&image, png.data(), &size, 0, rgb.data(), 0, nullptr)) return {};
  png.resize(size);
  return png;
}

// Writes the bytes into FILE.part, a file created here (one that exists already is left
// alone), and renames that to `fileName`, so that no half file is left; the system's
// reason when it cannot.
bool WriteWholeFile(const std::string& fileName, const std::vector<uint8_t>& bytes, std::string* error) {
  const std::string temporary = fileName + ".part";
  const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    *error = "cannot write " + fileName + ": " + temporary + ": " + std::strerror(errno);
    return false;
  }
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) break;
    done += static_cast<size_t>(written);
  }
  int reason = errno;
  bool ok = done == bytes.size();
  if (close(fd) != 0 && ok) ok = false, reason = errno;
  if (ok && std::rename(temporary.c_str(), fileName.c_str()) == 0) return true;
  if (ok) reason = errno;
  unlink(temporary.c_str());
  *error = "cannot write " + fileName + ": " + std::strerror(reason);
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
      const std::vector<uint8_t> png = DrawCard(run, &picture) ? EncodePng(picture) : std::vector<uint8_t>();
      if (png.empty()) return Fail(1, "no memory for the picture of the card");
      if (!WriteWholeFile(options.png, png, &error)) return Fail(1, error);
    }
  }
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
    return Fail(1, std::string("cannot write to standard output: ") + std::strerror(errno));
  return 0;
}
