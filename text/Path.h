#pragma once
// Windows path pieces in code page 932 (a trail byte 0x5C is no separator).
#include <string>

namespace path {

// The folder of `fullPath` with its trailing backslash ("C:\表\a.exe" -> "C:\表\");
// empty when the path has no backslash.
std::string FolderOf(const std::string& fullPath);

// The file name without folder and extension ("C:\x\TBK42.EXE" -> "TBK42").
std::string FileTitle(const std::string& fullPath);

// The full path of `name` in `folder`: one backslash between them unless the folder ends
// in one ("C:\" + "a.dll" -> "C:\a.dll"). Empty when the folder is empty, so a file that
// must be taken from a known folder is never looked for by its bare name.
std::string InFolder(const std::string& folder, const std::string& name);

} // namespace path
