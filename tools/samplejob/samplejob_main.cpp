// samplejob: writes the sample jobs (NAME.PRN and NAME.VCT) into a folder.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/common/write_file.h"
#include "tools/samplejob/sample_jobs.h"

int main(int argc, char** argv) {
  const bool edges = argc == 3 && std::string(argv[1]) == "--edges";
  if (argc != 2 && !edges) {
    std::fprintf(stderr, "usage: samplejob [--edges] FOLDER\n");
    return 2;
  }
  const std::string folder = argv[argc - 1];
  for (const SampleJobSpec& spec : edges ? EdgeSpecs() : ShowcaseSpecs()) {
    const SampleJob job = BuildSampleJob(spec);
    if (!job.error.empty()) {
      std::fprintf(stderr, "%s: %s\n", spec.name.c_str(), job.error.c_str());
      return 1;
    }
    const std::string base = folder + "/" + spec.name;
    if (!WriteWholeFile(base + ".PRN", job.preview) || !WriteWholeFile(base + ".VCT", job.vector)) {
      std::fprintf(stderr, "cannot write %s\n", base.c_str());
      return 1;
    }
    std::printf("%s.PRN %zu bytes\n", base.c_str(), job.preview.size());
  }
  return 0;
}
