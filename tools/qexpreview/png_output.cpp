// Encodes PNG files with zlib (signature, IHDR, one IDAT, IEND) and writes them whole.
#include "tools/qexpreview/png_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <zlib.h>
#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace {

#ifdef _WIN32
int CreateNew(const std::string& name) {
  return _open(name.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int WriteSome(int fd, const uint8_t* data, size_t size) {
  return _write(fd, data, static_cast<unsigned>(std::min<size_t>(size, 1u << 30)));
}
int CloseFile(int fd) { return _close(fd); }
int RemoveFile(const std::string& name) { return _unlink(name.c_str()); }
// The C runtime's rename does not replace a file; MoveFileEx does. Its failures are told as
// the C runtime tells them.
int Replace(const std::string& from, const std::string& to) {
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return 0;
  const DWORD code = GetLastError();
  errno = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ? ENOENT : EACCES;
  return -1;
}
#else
int CreateNew(const std::string& name) { return open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666); }
ssize_t WriteSome(int fd, const uint8_t* data, size_t size) { return write(fd, data, size); }
int CloseFile(int fd) { return close(fd); }
int RemoveFile(const std::string& name) { return unlink(name.c_str()); }
int Replace(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()); }
#endif

bool WriteThroughPart(const std::string& fileName, const std::vector<uint8_t>& bytes, std::string* error) {
  const std::string temporary = fileName + ".part";
  const int fd = CreateNew(temporary);
  if (fd < 0) {
    *error = "cannot write " + fileName + ": " + temporary + ": " + std::strerror(errno);
    return false;
  }
  size_t done = 0;
  while (done < bytes.size()) {
    const auto written = WriteSome(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      break;
    }
    done += static_cast<size_t>(written);
  }
  int reason = done == bytes.size() ? 0 : errno;
  if (CloseFile(fd) != 0 && reason == 0) reason = errno;
  if (reason == 0 && Replace(temporary, fileName) == 0) return true;
  if (reason == 0) reason = errno;
  RemoveFile(temporary);
  *error = "cannot write " + fileName + ": " + std::strerror(reason);
  return false;
}

void AppendU32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void AppendChunk(std::vector<uint8_t>& out, const char (&type)[5], const std::vector<uint8_t>& data) {
  AppendU32(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  AppendU32(out, static_cast<uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

// The whole file; false when memory runs out or the picture is too large for one PNG.
bool EncodePng(const MemoryPicture& picture, std::vector<uint8_t>* png) {
  const size_t width = static_cast<size_t>(picture.width()), height = static_cast<size_t>(picture.height());
  const size_t rowSize = 1 + 3 * width;
  // zlib counts in uLong, 32 bits on Windows; a chunk holds at most 2^31 - 1 bytes.
  if (width == 0 || height == 0 || rowSize > 0x7FFFFFFFu / 2 / height) return false;
  try {
    std::vector<uint8_t> rows(rowSize * height);
    for (size_t y = 0; y < height; ++y) {
      // Filter "Up", each byte less the one above it: the tools' flat pictures compress best so.
      uint8_t* row = &rows[y * rowSize];
      row[0] = 2;
      const uint32_t* pixels = picture.Row(static_cast<int>(y));
      const uint32_t* above = y > 0 ? picture.Row(static_cast<int>(y) - 1) : nullptr;
      for (size_t i = 0; i < 3 * width; ++i) {
        const int shift = 16 - 8 * static_cast<int>(i % 3);  // R, G, B of the pixel 0xXXRRGGBB
        row[1 + i] = static_cast<uint8_t>((pixels[i / 3] >> shift) - (above ? above[i / 3] >> shift : 0));
      }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size()), Z_BEST_COMPRESSION) != Z_OK)
      return false;
    packed.resize(packedSize);

    std::vector<uint8_t> header;
    AppendU32(header, static_cast<uint32_t>(width));
    AppendU32(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, filter method 0, not interlaced
    png->assign({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'});
    AppendChunk(*png, "IHDR", header);
    AppendChunk(*png, "IDAT", packed);
    AppendChunk(*png, "IEND", {});
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace

bool WritePng(const MemoryPicture& picture, const std::string& fileName, std::string* error) {
  std::vector<uint8_t> png;
  if (!EncodePng(picture, &png)) {
    *error = "cannot write " + fileName + ": " + std::strerror(ENOMEM);
    return false;
  }
  return WriteThroughPart(fileName, png, error);
}
