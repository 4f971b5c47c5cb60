// The viewer's command lines and the picture areas of their rectangles; a rectangle
// command read must read back the same once formatted.
#include <cstdlib>
#include <string>

#include "viewer/core/command_line.h"
#include "viewer/core/picture_area.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  std::string name;
  ScreenRect rect;
  FirstWord(line.c_str());
  ParseFileCommand(line.c_str(), "-f", &name);
  if (!ParseRectCommand(line.c_str(), "-b", &name, &rect)) return 0;
  std::string again;
  ScreenRect back;
  if (!ParseRectCommand(FormatRectCommand("-b", name, rect).c_str(), "-b", &again, &back) || again != name ||
      back.left != rect.left || back.top != rect.top || back.right != rect.right || back.bottom != rect.bottom) {
    std::abort();
  }
  int width = 0;
  int height = 0;
  if (!RectangleSize(rect, &width, &height)) return 0;
  PlacePicture(65535, 1, width, height);
  PlacePicture(1, 65535, width, height);
  return 0;
}
