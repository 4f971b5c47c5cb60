// Mutated preview, overlay and BMP files through the real viewer: every "-f", "-v", "-b" and
// "-d" run ends by itself with 0 or -1, and a failed "-f" leaves no file behind.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/corpus/bmp_corpus.h"
#include "tests/e2e/viewer/paint_fixture.h"

namespace {

const DWORD kRunLimit = 20000;
const int kRunsPerCommand = 90;
const size_t kMaxSeedSize = 200000;
const DWORD kMinusOne = static_cast<DWORD>(-1);

// Deterministic mutations: the same mutants on every run, so a failure names its index.
std::vector<uint8_t> Mutate(uint32_t seed, std::vector<uint8_t> b, size_t headerSize) {
  uint32_t state = seed * 2654435761u + 1;
  auto next = [&state](size_t bound) {
    state ^= state << 13, state ^= state >> 17, state ^= state << 5;
    return static_cast<uint32_t>(state % bound);
  };
  if (b.empty()) b.push_back(0);
  switch (next(5)) {
    case 0:  // bit flips
      for (uint32_t n = 1 + next(8); n > 0; --n) b[next(b.size())] ^= static_cast<uint8_t>(1u << next(8));
      break;
    case 1:  // truncation
      b.resize(next(b.size()));
      break;
    case 2: {  // inserted bytes
      const size_t at = next(b.size() + 1);
      for (uint32_t n = 1 + next(16); n > 0; --n) b.insert(b.begin() + at, static_cast<uint8_t>(next(256)));
      break;
    }
    case 3: {  // a duplicated piece
      const size_t from = next(b.size());
      const std::vector<uint8_t> piece(b.begin() + from, b.begin() + from + 1 + next(std::min<size_t>(b.size() - from, 4096)));
      b.insert(b.begin() + next(b.size() + 1), piece.begin(), piece.end());
      break;
    }
    default: {  // an extreme value in a header field
      static const uint32_t kValues[] = {0, 1, 0x7FFF, 0x8000, 0xFFFF, 0x7FFFFFFF, 0x80000000u, 0xFFFFFFFFu};
      const uint32_t value = kValues[next(8)];
      const size_t width = next(2) ? 4 : 2, at = next(std::min(b.size(), headerSize));
      for (size_t i = 0; i < width && at + i < b.size(); ++i) b[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
  }
  return b;
}

// The sample files with this extension, or the BMP corpus, up to kMaxSeedSize bytes each.
std::vector<std::vector<uint8_t>> Seeds(const char* extension) {
  std::vector<std::vector<uint8_t>> files;
  for (const CorpusFile& file : BmpCorpus()) {
    if (!extension && file.bytes.size() <= kMaxSeedSize) files.push_back(file.bytes);
  }
  WIN32_FIND_DATAA found;
  HANDLE find = extension ? FindFirstFileA((SamplesDir() + "\\*." + extension).c_str(), &found) : INVALID_HANDLE_VALUE;
  for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found)) {
    if (found.nFileSizeLow <= kMaxSeedSize) files.push_back(ReadBytes(SamplesDir() + "\\" + found.cFileName));
  }
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
  return files;
}

// Every other BMP mutant gets its bfSize matching its length again, so that the mutation
// reaches past the loader's size check.
std::vector<uint8_t> BmpMutant(int i, const std::vector<uint8_t>& seed) {
  std::vector<uint8_t> b = Mutate(i, seed, 54);
  for (size_t k = 0; i % 2 == 1 && b.size() >= 6 && k < 4; ++k) b[2 + k] = static_cast<uint8_t>(b.size() >> (8 * k));
  return b;
}

class HostileInput : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(jobs_.empty() || overlays_.empty() || bmps_.empty()) << "QEX_VIEWER_SAMPLES names no folder of sample jobs";
  }
  // Runs the viewer with `arguments`; the run must end within the limit with 0 or -1.
  static DWORD Run(const std::string& arguments, bool painter) {
    const DWORD code = painter ? RunPainter(arguments) : TestProcess(ProgramPath("QexView.exe"), arguments).Wait(kRunLimit);
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
    WriteBytes(picture, BmpMutant(i, bmps_[i % bmps_.size()]));
    Run("-b " + picture + rect, true);
    WriteBytes(overlay, Mutate(i + kRunsPerCommand, overlays_[(i + 1) % overlays_.size()], 6));
    Run("-d " + picture + rect, true);
  }
}
