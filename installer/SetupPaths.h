#pragma once
// Path texts of the installer in code page 932: joins, cuts at the last backslash that
// is a character of its own, upper-casing and comparisons that step over double-byte
// characters (their trail bytes may be 0x5C "\" or a lower-case letter).
#include <string>
#include <vector>

namespace installer {

// "a" and "b" joined by one backslash ("%s\%s").
std::string JoinPath(const std::string& folder, const std::string& name);

// The part before the last backslash ("C:\a\b.exe" -> "C:\a"); empty without one.
std::string CutAtLastBackslash(const std::string& path);

// The part after the last backslash (all of `path` without one).
std::string NameOf(const std::string& path);

// True when `path` ends in a backslash that is a character of its own.
bool EndsInBackslash(const std::string& path);

// ASCII letters upper-cased; double-byte characters left as they are.
std::string UpperCase(const std::string& text);

// Equal when upper-cased the same way.
bool EqualsNoCase(const std::string& a, const std::string& b);

// True when `text` contains `part` starting on a character boundary.
bool ContainsText(const std::string& text, const std::string& part);

// The default install path "%c:\Program Files\%s" from the Windows folder's drive. A
// 32-bit program on 64-bit Windows (`wow64`) belongs in "%c:\Program Files (x86)\%s",
// where that system keeps its 32-bit programs.
std::string DefaultInstallPath(const std::string& windowsFolder, const std::string& folderName,
                               bool wow64 = false);

// The browse result: the chosen folder, a backslash unless it ends in one, the folder name.
std::string BrowseResult(const std::string& chosen, const std::string& folderName);

// The temporary program copy: the temporary folder without its trailing backslash
// followed by "\Tbsetup.exe".
std::string TemporaryProgramPath(const std::string& temporaryFolder);

// The target of a compressed file: its last character replaced by the last character
// of the expanded name (TBK42.EX_ expanded as TBK42.EXE gives back the "E").
std::string ExpandedTarget(const std::string& target, const std::string& expandedName);

// The folders to create, top down, so that `path` exists: every shorter path that ends
// before a backslash, outermost first, then `path` itself. The drive ("C:") and the
// server part of a network path are never in the list.
std::vector<std::string> FoldersTopDown(const std::string& path);

} // namespace installer
