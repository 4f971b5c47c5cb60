// Mutated preview, overlay and BMP files through the real viewer: every "-f", "-v", "-b" and
// "-d" run ends by itself with 0 or -1, and a failed "-f" leaves no file behind. The parsers
// are fuzzed natively; this reaches what only the programs do with what the parsers pass.
#include <gtest/gtest.h>

#include "common/little_endian.h"
#include "tests/corpus/bmp_corpus.h"
#include "tests/e2e/viewer/paint_fixture.h"

namespace {

const DWORD kRunLimit = 20000;
const int kRunsPerCommand = 90;
const size_t kMaxSeedSize = 200000;
const DWORD kMinusOne = static_cast<DWORD>(-1);

// Deterministic mutants, so that a failure names its index: bit flips, a truncation, or an
// extreme value in a header field.
std::vector<uint8_t> Mutate(uint32_t seed, std::vector<uint8_t> b, size_t headerSize) {
  uint32_t state = seed * 2654435761u + 1;
  auto next = [&state](size_t bound) {
    state ^= state << 13, state ^= state >> 17, state ^= state << 5;
    return static_cast<uint32_t>(state % bound);
  };
  static const uint32_t kValues[] = {0, 1, 0x7FFF, 0x8000, 0xFFFF, 0x7FFFFFFF, 0x80000000u, 0xFFFFFFFFu};
  if (b.size() < headerSize) return b;
  const uint32_t kind = next(3);
  if (kind == 0) {
    for (uint32_t n = 1 + next(8); n > 0; --n) b[next(b.size())] ^= static_cast<uint8_t>(1u << next(8));
  } else if (kind == 1) {
    b.resize(next(b.size()));
  } else {
    PutU32(&b[next(headerSize - 3)], kValues[next(8)]);
  }
  return b;
}

// The sample files with this extension, or the BMP corpus, up to kMaxSeedSize bytes each.
std::vector<std::vector<uint8_t>> Seeds(const char* extension) {
  std::vector<std::vector<uint8_t>> files;
  for (const CorpusFile& file : BmpCorpus())
    if (!extension && file.bytes.size() <= kMaxSeedSize) files.push_back(file.bytes);
  WIN32_FIND_DATAA found;
  HANDLE find = extension ? FindFirstFileA((SamplesDir() + "\\*." + extension).c_str(), &found) : INVALID_HANDLE_VALUE;
  for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found))
    if (found.nFileSizeLow <= kMaxSeedSize) files.push_back(ReadBytes(SamplesDir() + "\\" + found.cFileName));
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
  return files;
}

class HostileInput : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(jobs_.empty() || overlays_.empty() || bmps_.empty())
        << "QEX_VIEWER_SAMPLES names no folder of sample jobs";
  }
  // Runs the viewer with `arguments`; the run must end within the limit with 0 or -1.
  static DWORD Run(const std::string& arguments, bool painter) {
    const DWORD code =
        painter ? RunPainter(arguments) : ChildProcess(ProgramPath("QexView.exe"), arguments).Wait(kRunLimit);
    EXPECT_TRUE(code == 0 || code == kMinusOne) << arguments << ": exit code " << static_cast<int>(code);
    return code;
  }

  std::vector<std::vector<uint8_t>> jobs_ = Seeds("PRN"), overlays_ = Seeds("VCT"), bmps_ = Seeds(nullptr);
  const std::string dir_ = MakeTempDir("hostile");
};

}  // namespace

TEST_F(HostileInput, RenderingEndsWithZeroOrMinusOneAndAFailureLeavesNoFile) {
  const std::string job = dir_ + "\\job.PRN";
  for (int i = 0; i < kRunsPerCommand; ++i) {
    SCOPED_TRACE("mutant " + std::to_string(i));
    WriteBytes(job, Mutate(i, jobs_[i % jobs_.size()], 6));
    if (Run("-f " + job, false) == kMinusOne) {
      EXPECT_FALSE(FileExists(job));
    } else {
      const std::vector<uint8_t> snapshot = ReadBytes(job);
      EXPECT_TRUE(snapshot.size() > 54 && snapshot[0] == 'B' && snapshot[1] == 'M');
    }
  }
}

TEST_F(HostileInput, PaintingEndsWithZeroOrMinusOne) {
  PaintHost host;
  ASSERT_TRUE(host.ready());
  const std::string rect = HostRect(20, 20, 240, 180), picture = dir_ + "\\pic.bmp", overlay = dir_ + "\\pic.VCT";
  for (int i = 0; i < kRunsPerCommand; ++i) {
    SCOPED_TRACE("mutant " + std::to_string(i));
    WriteBytes(overlay, Mutate(i, overlays_[i % overlays_.size()], 6));
    Run("-v " + picture + rect, true);
    // Every other BMP mutant gets its bfSize matching its length again, so that the mutation
    // reaches past the loader's size check.
    std::vector<uint8_t> bmp = Mutate(i, bmps_[i % bmps_.size()], 54);
    if (i % 2 == 1 && bmp.size() >= 6) PutU32(&bmp[2], static_cast<uint32_t>(bmp.size()));
    WriteBytes(picture, bmp);
    Run("-b " + picture + rect, true);
    WriteBytes(overlay, Mutate(i + kRunsPerCommand, overlays_[(i + 1) % overlays_.size()], 6));
    Run("-d " + picture + rect, true);
  }
}
