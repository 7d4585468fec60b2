#pragma once
// Windows path pieces in code page 932: every cut is at a backslash that is a character
// of its own (a trail byte 0x5C is no separator).
#include <string>
#include <vector>

namespace path {

// True when `path` ends in a backslash that is a character of its own.
bool EndsInBackslash(const std::string& path);

// "a" and "b" joined by one backslash ("%s\%s"), whatever "a" ends in.
std::string JoinPath(const std::string& folder, const std::string& name);

// `name` in `folder`: one backslash between them unless the folder ends in one
// ("C:\" + "a.dll" -> "C:\a.dll", "C:\表" + "a.dll" -> "C:\表\a.dll").
std::string Below(const std::string& folder, const std::string& name);

// The full path of `name` in `folder` as Below, but empty when the folder is empty, so a
// file that must be taken from a known folder is never looked for by its bare name.
std::string InFolder(const std::string& folder, const std::string& name);

// The part before the last backslash ("C:\a\b.exe" -> "C:\a"); empty without one.
std::string CutAtLastBackslash(const std::string& path);

// The folder of `fullPath` with its trailing backslash ("C:\表\a.exe" -> "C:\表\");
// empty when the path has no backslash.
std::string FolderOf(const std::string& fullPath);

// The part after the last backslash (all of `path` without one).
std::string NameOf(const std::string& path);

// The file name without folder and extension ("C:\x\TBK42.EXE" -> "TBK42").
std::string FileTitle(const std::string& fullPath);

// `path` without one trailing backslash, except the one of a root ("C:\" stays).
std::string WithoutTrailingBackslash(const std::string& path);

// The folders to create, top down, so that `path` exists: every shorter path that ends
// before a backslash, outermost first, then `path` itself. The drive ("C:") and the
// server part of a network path are never in the list.
std::vector<std::string> FoldersTopDown(const std::string& path);

} // namespace path
