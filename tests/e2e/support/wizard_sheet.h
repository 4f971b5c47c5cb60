// Driving the wizard's property sheet in another process through messages: its buttons,
// its current page, and polling with a deadline for what the sheet carries out later.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

// Ids of the sheet's own buttons.
constexpr int kSheetBack = 12323;
constexpr int kSheetNext = 12324;
constexpr int kSheetFinish = 12325;

// Polls `condition` every few milliseconds until it holds or `timeoutMs` has passed.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// The page the sheet shows now (PSM_GETCURRENTPAGEHWND), or null.
HWND CurrentPage(HWND sheet);
// Waits until the current page is the one holding the control `controlId`; returns it.
HWND WaitForPage(HWND sheet, int controlId, DWORD timeoutMs);

// The buttons the sheet offers (visible and enabled), as "Back Next Finish Cancel" words.
std::string OfferedButtons(HWND sheet);
// Waits until the button is enabled and visible, then presses it; false after the deadline.
bool PressSheetButton(HWND sheet, int id, DWORD timeoutMs);

// Replaces the text of a page's box and tells the page that the box lost the focus.
void TypeAndLeave(HWND page, int boxId, const char* text);
// Sends a WM_VSCROLL with `code` from the page's scroll bar `scrollId`.
void ClickArrow(HWND page, int scrollId, int code);

// Saves what the screen shows of the window as artifact `name` (a .bmp).
void SaveWindowShot(HWND window, const std::string& name);
