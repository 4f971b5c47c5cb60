// The monitor window of the "-f" command: a modeless dialog that shows the picture growing.
#pragma once
#include <windows.h>

#include <string>

#include "viewer/core/command_line.h"

// A window's rectangle in screen coordinates, caption and borders included.
ScreenRect WindowRect(HWND window);

INT_PTR CALLBACK MonitorDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Places the picture in the monitor, fits the window around it and prepares the image area.
void LayoutMonitor();

// Releases the monitor's DC and destroys the monitor, if they exist.
void CloseMonitor();

// Stretches picture row y of offscreenDc onto its monitor row.
void CopyRowToMonitor(int y);

// Draws the job's vector overlay (the file of the same name ending in VCT) over the
// monitor's picture area; nothing when the monitor is gone.
void DrawMonitorOverlay(const std::string& fileName);
