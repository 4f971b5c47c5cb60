// PNG output of builds without libpng: the option is refused with a reason.
#include "tools/qexpreview/png_output.h"

bool WritePng(const MemoryPicture&, const std::string&, std::string* error) {
  *error = "PNG output is not built into this program";
  return false;
}
