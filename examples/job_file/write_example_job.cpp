// write_example_job FOLDER: writes the example job into FOLDER.
#include <cstdio>

#include "example_job.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_example_job FOLDER\n");
    return 2;
  }
  return WriteExampleJob(argv[1]);
}
