// Writes a memory picture as an 8-bit RGB PNG with libpng.
#include "tools/qexpreview/png_output.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct PngWrite {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ~PngWrite() { png_destroy_write_struct(&png, info ? &info : nullptr); }
};

}  // namespace

bool WritePng(const MemoryPicture& picture, const std::string& fileName, std::string* error) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(fileName.c_str(), "wb"), std::fclose);
  if (!file) {
    *error = "cannot create " + fileName;
    return false;
  }
  PngWrite write;
  write.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (write.png) write.info = png_create_info_struct(write.png);
  if (!write.info) {
    *error = "no memory for the PNG writer";
    return false;
  }
  std::vector<png_byte> row(static_cast<size_t>(picture.width()) * 3);
  if (setjmp(png_jmpbuf(write.png))) {
    file.reset();
    std::remove(fileName.c_str());
    *error = "cannot write " + fileName;
    return false;
  }
  png_init_io(write.png, file.get());
  png_set_IHDR(write.png, write.info, picture.width(), picture.height(), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(write.png, write.info);
  for (int y = 0; y < picture.height(); ++y) {
    const uint32_t* pixels = picture.Row(y);
    for (int x = 0; x < picture.width(); ++x) {
      row[3 * x + 0] = static_cast<png_byte>(pixels[x] >> 16);
      row[3 * x + 1] = static_cast<png_byte>(pixels[x] >> 8);
      row[3 * x + 2] = static_cast<png_byte>(pixels[x]);
    }
    png_write_row(write.png, row.data());
  }
  png_write_end(write.png, nullptr);
  if (std::fclose(file.release()) != 0) {
    std::remove(fileName.c_str());
    *error = "cannot write " + fileName;
    return false;
  }
  return true;
}
