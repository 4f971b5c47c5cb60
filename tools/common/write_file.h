// Writes whole files for the native tools; a file not written completely is removed.
#pragma once
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>
#endif

struct FilePiece {
  const void* data;
  size_t size;
};

#ifdef _WIN32
// Writes the pieces one after another.
inline bool WriteFilePieces(const std::string& name, const std::vector<FilePiece>& pieces) {
  FILE* file = std::fopen(name.c_str(), "wb");
  if (!file) return false;
  bool written = true;
  for (const FilePiece& piece : pieces) written = written && std::fwrite(piece.data, 1, piece.size, file) == piece.size;
  if (std::fclose(file) != 0 || !written) {
    std::remove(name.c_str());
    return false;
  }
  return true;
}
#else
// Writes the pieces one after another, all in one system call when the system takes them.
inline bool WriteFilePieces(const std::string& name, const std::vector<FilePiece>& pieces) {
  std::vector<iovec> left;
  for (const FilePiece& piece : pieces) {
    // writev only reads the pieces; iovec has no const member.
    if (piece.size > 0) left.push_back({const_cast<void*>(piece.data), piece.size});
  }
  const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  size_t first = 0;
  bool written = true;
  while (first < left.size()) {
    const ssize_t count = writev(fd, left.data() + first, static_cast<int>(left.size() - first));
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) {
      written = false;
      break;
    }
    // A short write: drop the pieces written whole, then the written start of the next.
    size_t done = static_cast<size_t>(count);
    while (first < left.size() && done >= left[first].iov_len) done -= left[first++].iov_len;
    if (done > 0) {
      left[first].iov_base = static_cast<uint8_t*>(left[first].iov_base) + done;
      left[first].iov_len -= done;
    }
  }
  if (close(fd) != 0 || !written) {
    unlink(name.c_str());
    return false;
  }
  return true;
}
#endif

inline bool WriteWholeFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  return WriteFilePieces(name, {{bytes.data(), bytes.size()}});
}
