#pragma once
// The folder browser of the folder dialog, shown through the framework's seam: it opens
// on the proposed path and offers OK only for a folder the installation may use.
#include <windows.h>

#include <string>

namespace installer_win32 {

// The folder the user chose, or "" when the browser was cancelled.
std::string BrowseForFolder(HWND owner, const std::string& proposed);

} // namespace installer_win32
