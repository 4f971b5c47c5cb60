// The monitor window of the "-f" command: a modeless dialog that shows the picture growing.
#pragma once
#include <windows.h>

#include <string>

#include "viewer/core/command_line.h"
#include "viewer/core/render_state.h"

// A window's rectangle in screen coordinates, caption and borders included.
ScreenRect WindowRect(HWND window);

INT_PTR CALLBACK MonitorDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Places the picture of `state` in the monitor, fits the window around it and prepares the
// image area; sets the monitor placement of `state`.
void LayoutMonitor(RenderState& state);

// Releases the monitor's DC and destroys the monitor, if they exist.
void CloseMonitor();

// Stretches picture row y of the off-screen picture onto its monitor row.
void CopyRowToMonitor(const RenderState& state, int y);

// Draws the job's vector overlay (the file of the same name ending in VCT) over the
// monitor's picture area; nothing when the monitor is gone.
void DrawMonitorOverlay(const std::string& fileName);
