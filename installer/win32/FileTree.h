#pragma once
// Folder trees: counting files, searching for a file by its expanded name, removing a
// tree, and creating a folder path from the top down.
#include <cstdint>
#include <string>

namespace installer_win32 {

// Files at every depth below `folder`; folders are not counted, an unreadable folder
// counts 0.
std::uint64_t CountFiles(const std::string& folder);

// True when a file below `folder`, at any depth, has the name `wanted` (any letter case)
// once expanded: a file stored compressed counts under its name before compression.
bool FindExpandedFile(const std::string& folder, const std::string& wanted);

// The name a file had before LZ compression (the path itself when not compressed).
std::string ExpandedName(const std::string& path);

// Removes everything below `folder` (read-only files included) and the folder itself;
// single failures are ignored.
void RemoveTree(const std::string& folder);

// Creates `path`, and when a part of it is missing, every missing folder from the top
// down. Failures are not reported (the copies then fail).
void CreateFolderPath(const std::string& path);

} // namespace installer_win32
