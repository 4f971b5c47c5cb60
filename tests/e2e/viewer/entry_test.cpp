// The viewer's entry: an empty command line or an unknown word shows the about box, whose
// first lines the version resource repeats.
#include <gtest/gtest.h>

#include "tests/e2e/support/process.h"
#include "tests/e2e/support/version_info.h"

TEST(ViewerEntry, AboutBoxForEmptyAndUnknownWords) {
  for (const char* arguments : {"", "-F job.prn", "-fx job.prn", "hello"}) {
    SCOPED_TRACE(arguments);
    ChildProcess viewer(ProgramPath("QexView.exe"), arguments);
    HWND box = WaitForWindow(viewer.pid(), "#32770", 15000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), "QEX View");
    const std::string text = ItemText(box, 0xFFFF);
    EXPECT_EQ(text.substr(0, 20), "QEXVIEW\nVersion 1.1\n");
    EXPECT_EQ(text.substr(0, 20), VersionLines(ProgramPath("QexView.exe")) + "\n");
    EXPECT_GT(text.size(), 20u);
    EXPECT_EQ(text.find('\n', 20), std::string::npos);
    ClickButton(box, IDOK);
    EXPECT_EQ(viewer.Wait(15000), 0u);
  }
}
