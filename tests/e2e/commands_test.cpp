// The table of command lines in tests/data/e2e/commands.txt, and the fuzzers' regression
// inputs through the real viewer.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/e2e/support.h"

namespace {

// The row's columns without their padding: program, exit, shows, files, command.
std::vector<std::string> Columns(const std::string& row) {
  std::vector<std::string> columns;
  std::istringstream in(row);
  for (std::string column; std::getline(in, column, '|');) {
    const size_t first = column.find_first_not_of(' '), last = column.find_last_not_of(' ');
    columns.push_back(first == std::string::npos ? "" : column.substr(first, last - first + 1));
  }
  if (columns.size() == 4) columns.push_back("");
  return columns;
}

std::string Unescaped(std::string text) {
  for (size_t at; (at = text.find("\\n")) != std::string::npos;) text.replace(at, 2, "\n");
  return text;
}

// Only the real programs show: exit codes, about boxes, deleted jobs, a failing painter leaving the window alone.
TEST(Commands, ExitCodesBoxesFilesAndTheHostWindowAsTabled) {
  HostWindow host;
  ASSERT_TRUE(host.ready());
  char saved[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, saved);
  std::ifstream table(SourcePath("tests/data/e2e/commands.txt"));
  int rows = 0;
  for (std::string row; std::getline(table, row);) {
    if (row.empty() || row[0] == '#') continue;
    SCOPED_TRACE(row.substr(0, 120));
    const std::vector<std::string> c = Columns(row);
    ASSERT_EQ(c.size(), 5u);
    const std::string dir = MakeTempDir("commands") + "\\";
    const std::string files = SourcePath("tests/data/e2e/files/");
    for (const std::string& name : FileNames(files + "*"))
      ASSERT_TRUE(CopyFileA((files + name).c_str(), (dir + name).c_str(), FALSE)) << name;
    SetCurrentDirectoryA(dir.c_str());
    std::string command = c[4];
    if (command.size() >= 4 && command.compare(command.size() - 4, 4, "RECT") == 0)
      command = command.substr(0, command.size() - 5) + HostRect();
    ChildProcess program(ProgramPath(c[0].c_str()), command);
    DWORD code = ChildProcess::kRunning;
    if (c[2] == "untouched" || c[2] == "-") {
      code = program.Wait(kTimeout);
      EXPECT_TRUE(c[2] == "-" || host.Untouched(host.Capture()));
    } else {
      HWND box = WaitForWindow(program.pid(), "#32770");
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(WindowText(box) + ": " + ItemText(box, 0xFFFF), Unescaped(c[2]));
      // All but the last line repeat the program's version resource.
      const std::string text = ItemText(box, 0xFFFF);
      EXPECT_EQ(text.substr(0, text.rfind('\n')), VersionLines(ProgramPath(c[0].c_str())));
      ClickButton(box, IDOK);
      code = program.Wait(kTimeout);
    }
    EXPECT_EQ(static_cast<int>(code), std::stoi(c[1]));
    EXPECT_TRUE(c[3] == "-" || FileExists(dir + c[3].substr(5)) == (c[3].compare(0, 4, "kept") == 0));
    SetCurrentDirectoryA(saved);
    ASSERT_TRUE(host.Restore());
    ++rows;
  }
  EXPECT_EQ(rows, 18);
}

// Only the real program shows: its windows, GDI calls and snapshot writing ending damaged jobs with 0 or -1.
// The fuzzers' regression inputs through the real viewer: every "-f", "-v" and "-d" run ends
// by itself with 0 or -1, and a failed "-f" leaves no file. The parsers are fuzzed natively;
// this reaches what only the program does with what they pass.
TEST(Commands, FuzzRegressionsEndWithZeroOrMinusOne) {
  HostWindow host;
  ASSERT_TRUE(host.ready());
  const std::string dir = MakeTempDir("hostile") + "\\";
  ASSERT_TRUE(CopyFileA(SourcePath("tests/data/e2e/files/good.prn").c_str(), (dir + "job.prn").c_str(), FALSE));
  int runs = 0;
  for (const bool preview : {true, false}) {
    const std::string inputs =
        SourcePath(preview ? "tests/fuzz/regressions/preview/" : "tests/fuzz/regressions/overlay/");
    const std::string file = dir + (preview ? "job.PRN" : "job.VCT");
    for (const std::string& name : FileNames(inputs + "*")) {
      SCOPED_TRACE(inputs + name);
      ASSERT_TRUE(CopyFileA((inputs + name).c_str(), file.c_str(), FALSE));
      for (const char* command : preview ? std::vector<const char*>{"-f "} : std::vector<const char*>{"-v ", "-d "}) {
        const DWORD code = RunViewer(command + (preview ? file : dir + "job.prn" + HostRect()));
        EXPECT_TRUE(code == 0 || code == static_cast<DWORD>(-1)) << command << static_cast<int>(code);
        const std::vector<uint8_t> written = ReadBytes(file);
        EXPECT_TRUE(!preview || (code == 0 ? written.size() > 54 && written[0] == 'B' : !FileExists(file)));
        ++runs;
      }
    }
  }
  EXPECT_GE(runs, 30);
}

}  // namespace
