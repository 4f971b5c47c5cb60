// The job-file writer driven by the fuzzer's bytes through its round trip (job_round_trip.h).
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/job_round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string failure = JobRoundTrip(data, size);
  if (failure.empty()) return 0;
  std::fprintf(stderr, "%s\n", failure.c_str());
  std::abort();
}
