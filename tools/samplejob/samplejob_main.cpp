// samplejob: writes the sample jobs (NAME.PRN and NAME.VCT) into a folder.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/samplejob/sample_jobs.h"

namespace {

bool WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  FILE* file = std::fopen(name.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  if (std::fclose(file) != 0 || !written) {
    std::remove(name.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const bool edges = argc == 3 && std::string(argv[1]) == "--edges";
  if (argc != 2 && !edges) {
    std::fprintf(stderr, "usage: samplejob [--edges] FOLDER\n");
    return 2;
  }
  const std::string folder = argv[argc - 1];
  for (const SampleJobSpec& spec : edges ? EdgeSpecs() : ShowcaseSpecs()) {
    const SampleJob job = BuildSampleJob(spec);
    const std::string base = folder + "/" + spec.name;
    if (!WriteFile(base + ".PRN", job.preview) || !WriteFile(base + ".VCT", job.vector)) {
      std::fprintf(stderr, "cannot write %s\n", base.c_str());
      return 1;
    }
    std::printf("%s.PRN %zu bytes\n", base.c_str(), job.preview.size());
  }
  return 0;
}
