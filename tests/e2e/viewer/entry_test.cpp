// The viewer's entry: about box (and the version resource it repeats), second copy.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/e2e/support/process.h"
#include "tests/e2e/support/version_info.h"

namespace {

const DWORD kTimeout = 15000;

// Starts the viewer, reads the about box it must show, closes it and returns the exit code.
void ExpectAboutBox(const std::string& arguments) {
  SCOPED_TRACE("arguments: [" + arguments + "]");
  TestProcess viewer(ProgramPath("QexView.exe"), arguments);
  ASSERT_TRUE(viewer.started());
  HWND box = WaitForWindow(viewer.pid(), "#32770", kTimeout);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WindowText(box), "QEX View");
  const std::string text = ItemText(box, 0xFFFF);
  EXPECT_EQ(text.substr(0, 20), "QEXVIEW\nVersion 1.1\n");
  EXPECT_EQ(text.substr(0, 20), VersionLines(ProgramPath("QexView.exe")) + "\n");
  EXPECT_EQ(text.find('\n', 20), std::string::npos);
  EXPECT_GT(text.size(), 20u);
  ClickButton(box, IDOK);
  EXPECT_EQ(viewer.Wait(kTimeout), 0u);
}

}  // namespace

TEST(ViewerEntry, AboutBoxForEmptyAndUnknownWords) {
  ExpectAboutBox("");
  ExpectAboutBox("-F job.prn");
  ExpectAboutBox("-fx job.prn");
  ExpectAboutBox("hello");
}

TEST(ViewerEntry, SecondCopyDeletesTheFileAndExitsMinusOne) {
  const std::string dir = MakeTempDir("second");
  const std::string job = dir + "\\job.prn";
  std::ofstream(job) << "x";
  TestProcess first(ProgramPath("QexView.exe"), "");
  ASSERT_NE(WaitForWindow(first.pid(), "#32770", kTimeout), nullptr);

  TestProcess second(ProgramPath("QexView.exe"), "-f " + job);
  EXPECT_EQ(second.Wait(kTimeout), static_cast<DWORD>(-1));
  EXPECT_FALSE(FileExists(job));

  const std::string other = dir + "\\keep.bmp";
  std::ofstream(other) << "x";
  TestProcess third(ProgramPath("QexView.exe"), "-b " + other + " 0 0 10 10");
  EXPECT_EQ(third.Wait(kTimeout), static_cast<DWORD>(-1));
  EXPECT_TRUE(FileExists(other));
  EXPECT_TRUE(TopLevelWindows(second.pid(), "#32770").empty());

  ClickButton(WaitForWindow(first.pid(), "#32770", kTimeout), IDOK);
  EXPECT_EQ(first.Wait(kTimeout), 0u);
}
