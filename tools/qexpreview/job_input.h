// Opening the files qexpreview reads: a preview file or an overlay, told apart by the name.
#pragma once
#include <cstdio>
#include <memory>
#include <string>

#include "viewer/core/byte_cursor.h"

enum class JobKind { kPreview, kOverlay };

// An overlay when the name ends in VCT (in any case, as the file systems of the driver's
// machines compare names), else a preview file.
JobKind KindOfFileName(const std::string& fileName);

// A file read record by record: mapped into memory where the system allows it, so that it
// is read in place, else read piece by piece. Files of any size open; memory does not grow
// with them.
class JobInput {
 public:
  JobInput();
  ~JobInput();
  // False with the system's reason in `reason`.
  bool Open(const std::string& fileName, std::string* reason);
  // False with "qexpreview: cannot open NAME: REASON" on `err`.
  bool Open(const std::string& fileName, FILE* err);
  ByteCursor& cursor() { return *cursor_; }

 private:
  struct Source;
  std::unique_ptr<Source> source_;
  std::unique_ptr<ByteCursor> cursor_;
};
