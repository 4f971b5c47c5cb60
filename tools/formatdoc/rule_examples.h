// Small jobs that show one rule of docs/formats.md each, written with the job-file writer.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct NamedFile {
  std::string name;
  std::vector<uint8_t> bytes;
};

// The rule jobs (NAME.PRN, some with NAME.VCT) and the hex dumps of the minimal job
// (minimal.prn.txt); empty with the writer's refusal in `error` when one is refused.
std::vector<NamedFile> RuleExampleFiles(std::string* error);
