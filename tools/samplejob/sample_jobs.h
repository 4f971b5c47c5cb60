// The sample jobs: a preview file and its vector file each, built deterministically.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "common/job_file/preview_header.h"

struct SampleJobSpec {
  enum Kind { kShowcase, kFullBed, kEdge } kind;
  std::string name;  // file name without ending; files are NAME.PRN and NAME.VCT
  qex::PreviewHeader header;
  uint32_t seed;
};

struct SampleJob {
  std::vector<uint8_t> preview;
  std::vector<uint8_t> vector;
  std::string error;  // the job file writer's first refusal; empty for a complete job
};

// Jobs for the demo: small to a full bed of 14400 x 7200 pixels at pitch 10, plain and mirrored.
std::vector<SampleJobSpec> ShowcaseSpecs();
// Dense random jobs on rounding edges: pitches 3 and 7, odd zooms, fitting ratios near 0.5,
// zooms at and below 0.25.
std::vector<SampleJobSpec> EdgeSpecs();

SampleJob BuildSampleJob(const SampleJobSpec& spec);
