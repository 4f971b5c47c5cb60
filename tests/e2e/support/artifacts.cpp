// Screen captures of the end-to-end tests, kept as artifacts for a person to look at.
#include "tests/e2e/support/process.h"
#include "tests/e2e/support/screen.h"

std::string ArtifactPath(const std::string& name) {
  std::string dir = ProgramPath("..\\artifacts");
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir + "\\" + name;
}
