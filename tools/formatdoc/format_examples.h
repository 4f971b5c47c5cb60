// The examples of docs/formats.md: a small job written with the job-file writer, dumped
// record by record, and the alignment job's calls and packets as the driver receives them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct ExampleJob {
  std::vector<uint8_t> preview;
  std::vector<uint8_t> overlay;
  std::string previewDump;  // one labelled line group per record
  std::string overlayDump;
  std::string error;  // the writer's first refusal; empty when the job is complete
};

// Bytes `from` to `to` (at most the end): their offset, then 16 bytes a line in hex.
std::string HexLines(const std::vector<uint8_t>& bytes, size_t from, size_t to);

// The example job; with `mirrored`, the same records under a negative x pitch.
ExampleJob BuildExampleJob(bool mirrored);

// Every call of the alignment job for power 40 % and the default example settings, packets
// in hex.
std::string AlignmentJobDump();
