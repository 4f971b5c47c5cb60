// Mutated preview, overlay and BMP files through the real viewer: every "-f", "-v", "-b" and
// "-d" run ends by itself with 0 or -1, and a failed "-f" leaves no file behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "tests/corpus/bmp_corpus.h"
#include "tests/e2e/viewer/paint_fixture.h"

namespace {

const DWORD kRunLimit = 20000;
const int kRunsPerCommand = 90;
const size_t kMaxSeedSize = 200000;
const DWORD kMinusOne = static_cast<DWORD>(-1);

// Deterministic mutations: the same mutants on every run, so a failure names its index.
class Mutator {
 public:
  explicit Mutator(uint32_t seed) : state_(seed * 2654435761u + 1) {}

  std::vector<uint8_t> Mutate(std::vector<uint8_t> b, size_t headerSize) {
    if (b.empty()) b.push_back(0);
    switch (Next(5)) {
      case 0:  // bit flips
        for (uint32_t n = 1 + Next(8); n > 0; --n) b[Next(b.size())] ^= static_cast<uint8_t>(1u << Next(8));
        break;
      case 1:  // truncation
        b.resize(Next(b.size()));
        break;
      case 2: {  // inserted bytes
        const size_t at = Next(b.size() + 1);
        for (uint32_t n = 1 + Next(16); n > 0; --n) b.insert(b.begin() + at, static_cast<uint8_t>(Next(256)));
        break;
      }
      case 3: {  // a duplicated piece
        const size_t from = Next(b.size());
        const size_t length = 1 + Next(std::min<size_t>(b.size() - from, 4096));
        const std::vector<uint8_t> piece(b.begin() + from, b.begin() + from + length);
        b.insert(b.begin() + Next(b.size() + 1), piece.begin(), piece.end());
        break;
      }
      default: {  // an extreme value in a header field
        static const uint32_t kValues[] = {0, 1, 0x7FFF, 0x8000, 0xFFFF, 0x7FFFFFFF, 0x80000000u, 0xFFFFFFFFu};
        const uint32_t value = kValues[Next(8)];
        const size_t width = Next(2) ? 4 : 2;
        const size_t at = Next(std::min(b.size(), headerSize));
        for (size_t i = 0; i < width && at + i < b.size(); ++i) b[at + i] = static_cast<uint8_t>(value >> (8 * i));
      }
    }
    return b;
  }

 private:
  uint32_t Next(size_t bound) {
    state_ ^= state_ << 13, state_ ^= state_ >> 17, state_ ^= state_ << 5;
    return static_cast<uint32_t>(state_ % bound);
  }
  uint32_t state_;
};

std::vector<std::vector<uint8_t>> SampleFiles(const char* extension) {
  std::vector<std::vector<uint8_t>> files;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((SamplesDir() + "\\*." + extension).c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return files;
  do {
    if (found.nFileSizeLow <= kMaxSeedSize) files.push_back(ReadBytes(SamplesDir() + "\\" + found.cFileName));
  } while (FindNextFileA(find, &found));
  FindClose(find);
  return files;
}

std::vector<std::vector<uint8_t>> BmpSeeds() {
  std::vector<std::vector<uint8_t>> files;
  for (const CorpusFile& file : BmpCorpus()) {
    if (file.bytes.size() <= kMaxSeedSize) files.push_back(file.bytes);
  }
  return files;
}

// Every other BMP mutant gets its bfSize matching its length again, so that the mutation
// reaches past the loader's size check.
std::vector<uint8_t> BmpMutant(int i, const std::vector<uint8_t>& seed) {
  std::vector<uint8_t> b = Mutator(i).Mutate(seed, 54);
  if (i % 2 == 1 && b.size() >= 6) {
    for (size_t k = 0; k < 4; ++k) b[2 + k] = static_cast<uint8_t>(b.size() >> (8 * k));
  }
  return b;
}

struct Tally {
  int runs = 0, zero = 0, minusOne = 0;
  DWORD totalMs = 0, slowestMs = 0;
};

class HostileInput : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(SamplesDir().empty()) << "QEX_VIEWER_SAMPLES names no folder of sample jobs";
    ASSERT_FALSE(jobs_.empty());
    ASSERT_FALSE(overlays_.empty());
    ASSERT_FALSE(bmps_.empty());
  }

  // Runs the viewer with `arguments`; the run must end within the limit with 0 or -1.
  DWORD Run(const std::string& arguments, bool painter, Tally* tally) {
    const DWORD start = GetTickCount();
    DWORD code = kMinusOne - 1;
    if (painter) {
      code = RunPainter(arguments);
    } else {
      TestProcess viewer(ProgramPath("QexView.exe"), arguments);
      code = viewer.Wait(kRunLimit);
    }
    const DWORD ms = GetTickCount() - start;
    EXPECT_TRUE(code == 0 || code == kMinusOne) << arguments << ": exit code " << static_cast<int>(code);
    ++tally->runs, tally->zero += code == 0, tally->minusOne += code == kMinusOne;
    tally->totalMs += ms, tally->slowestMs = std::max(tally->slowestMs, ms);
    return code;
  }

  static void Report(const char* command, const Tally& t) {
    printf("%s: %d runs, %d exit 0, %d exit -1, %lu ms in all, slowest %lu ms\n", command, t.runs, t.zero,
           t.minusOne, static_cast<unsigned long>(t.totalMs), static_cast<unsigned long>(t.slowestMs));
  }

  std::vector<std::vector<uint8_t>> jobs_ = SampleFiles("PRN");
  std::vector<std::vector<uint8_t>> overlays_ = SampleFiles("VCT");
  std::vector<std::vector<uint8_t>> bmps_ = BmpSeeds();
  const std::string dir_ = MakeTempDir("hostile");
};

}  // namespace

TEST_F(HostileInput, RenderingEndsWithZeroOrMinusOneAndAFailureLeavesNoFile) {
  Tally tally;
  const std::string job = dir_ + "\\job.PRN";
  for (int i = 0; i < kRunsPerCommand; ++i) {
    SCOPED_TRACE("mutant " + std::to_string(i));
    WriteBytes(job, Mutator(i).Mutate(jobs_[i % jobs_.size()], 6));
    const DWORD code = Run("-f " + job, false, &tally);
    if (code == kMinusOne) {
      EXPECT_FALSE(FileExists(job));
    } else if (code == 0) {
      const std::vector<uint8_t> snapshot = ReadBytes(job);
      EXPECT_TRUE(snapshot.size() > 54 && snapshot[0] == 'B' && snapshot[1] == 'M');
    }
  }
  Report("-f", tally);
}

TEST_F(HostileInput, PaintingEndsWithZeroOrMinusOne) {
  PaintHost host;
  ASSERT_TRUE(host.ready());
  const std::string rect = HostRect(20, 20, 240, 180);
  const std::string picture = dir_ + "\\pic.bmp";
  const std::string overlay = dir_ + "\\pic.VCT";
  Tally vector, bmp, both;
  for (int i = 0; i < kRunsPerCommand; ++i) {
    SCOPED_TRACE("mutant " + std::to_string(i));
    WriteBytes(overlay, Mutator(i).Mutate(overlays_[i % overlays_.size()], 6));
    Run("-v " + picture + rect, true, &vector);
    WriteBytes(picture, BmpMutant(i, bmps_[i % bmps_.size()]));
    Run("-b " + picture + rect, true, &bmp);
    WriteBytes(overlay, Mutator(i + kRunsPerCommand).Mutate(overlays_[(i + 1) % overlays_.size()], 6));
    Run("-d " + picture + rect, true, &both);
  }
  Report("-v", vector);
  Report("-b", bmp);
  Report("-d", both);
}
