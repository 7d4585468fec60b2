#pragma once
// The installer's own paths: the default install path, the browse result, the temporary
// program copy and the target of a compressed file. The path and text helpers they use
// live in text/Path.h and text/Cp932.h.
#include "text/Cp932.h"
#include "text/Path.h"

#include <string>

namespace installer {

// The default install path "%c:\Program Files\%s" from the Windows folder's drive. A
// 32-bit program on 64-bit Windows (`wow64`) belongs in "%c:\Program Files (x86)\%s",
// where that system keeps its 32-bit programs.
std::string DefaultInstallPath(const std::string& windowsFolder, const std::string& folderName,
                               bool wow64 = false);

// The browse result: the chosen folder, a backslash unless it ends in one, the folder name.
std::string BrowseResult(const std::string& chosen, const std::string& folderName);

// The temporary program copy: "Tbsetup.exe" in the temporary folder, one backslash
// between them.
std::string TemporaryProgramPath(const std::string& temporaryFolder);

// The target of a compressed file: its last character replaced by the last character
// of the expanded name (TBK42.EX_ expanded as TBK42.EXE gives back the "E").
std::string ExpandedTarget(const std::string& target, const std::string& expandedName);

} // namespace installer
