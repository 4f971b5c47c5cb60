// The viewer's entry: one copy at a time, one command per process.
#pragma once
#include <windows.h>

int ViewerMain(HINSTANCE instance, const char* commandLine);
int ShowAbout();
