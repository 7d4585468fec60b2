#pragma once
// Windows path pieces in code page 932 (a trail byte 0x5C is no separator).
#include <string>

namespace path {

// The folder of `fullPath` with its trailing backslash ("C:\表\a.exe" -> "C:\表\");
// empty when the path has no backslash.
std::string FolderOf(const std::string& fullPath);

// The file name without folder and extension ("C:\x\TBK42.EXE" -> "TBK42").
std::string FileTitle(const std::string& fullPath);

} // namespace path
