// The two help viewers as another program sees them: Windows Help (winhlp32, a process
// of its own) and the HTML Help window (in the process that opened it: hh.exe when the
// shell opened the file, the program itself when it called HtmlHelp).
#pragma once
#include "tests/e2e/Driver.h"

namespace e2e {

enum class HelpViewer { WinHelp, HtmlHelp };

// "hlp" is Windows Help, anything else HTML Help.
HelpViewer HelpViewerFor(const std::string& kind);
// Visible windows of the viewer; for HTML Help those of `processId` (0: any).
std::vector<HWND> HelpWindows(HelpViewer viewer, DWORD processId = 0);
// Waits for the viewer's window and checks that it is titled from the program's help
// file; null after a failed check.
HWND WaitForHelp(Checks& checks, HelpViewer viewer, DWORD processId = 0);
// Closes every visible window of the viewer and waits until they have gone.
bool CloseHelp(HelpViewer viewer, DWORD processId = 0);

} // namespace e2e
