// The viewer's entry: one copy at a time, one command per process.
#include "viewer/win32/viewer_main.h"

#include <string>

#include "viewer/core/command_line.h"
#include "viewer/win32/commands.h"

int ShowAbout() {
  MessageBoxA(GetFocus(), "QEXVIEW\nVersion 1.1\nCopyright (C) QEX Laser Systems", "QEX View", MB_OK);
  return 0;
}

int ViewerMain(HINSTANCE instance, const char* commandLine) {
  // The mutex is held, never closed, until the process ends.
  CreateMutexA(nullptr, TRUE, "QEXVIEW");
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    std::string fileName;
    if (ParseFileCommand(commandLine, "-f", &fileName)) DeleteFileA(fileName.c_str());
    return -1;
  }
  const std::string word = FirstWord(commandLine);
  if (word == "-d") return PaintBothCommand(commandLine);
  if (word == "-v") return PaintVectorCommand(commandLine, 1);
  if (word == "-b") return PaintBmpCommand(commandLine);
  if (word == "-f") return RenderPreviewCommand(commandLine, instance);
  return ShowAbout();
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) { return ViewerMain(instance, commandLine); }
