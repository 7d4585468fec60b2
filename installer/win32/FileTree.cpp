#include "installer/win32/FileTree.h"

#include "installer/SetupPaths.h"
#include "installer/win32/SetupSystem.h"

#include <lzexpand.h>

namespace installer_win32 {

std::uint64_t CountFiles(const std::string& folder) {
    std::uint64_t count = 0;
    ForEachEntry(folder, [&](const std::string& name, bool isFolder) {
        count += isFolder ? CountFiles(path::JoinPath(folder, name)) : 1;
    });
    return count;
}

std::string ExpandedName(const std::string& path) {
    if (path.size() >= MAX_PATH) return path;
    char source[MAX_PATH] = {}, expanded[MAX_PATH] = {};
    lstrcpynA(source, path.c_str(), MAX_PATH);
    if (GetExpandedNameA(source, expanded) != 1) return path;
    return expanded;
}

bool FindExpandedFile(const std::string& folder, const std::string& wanted) {
    bool found = false;
    ForEachEntry(folder, [&](const std::string& name, bool isFolder) {
        if (found) return;
        std::string entry = path::JoinPath(folder, name);
        found = isFolder ? FindExpandedFile(entry, wanted)
                         : cp932::EqualsNoCase(path::NameOf(ExpandedName(entry)), wanted);
    });
    return found;
}

void RemoveTree(const std::string& folder) {
    ForEachEntry(folder, [&](const std::string& name, bool isFolder) {
        std::string entry = path::JoinPath(folder, name);
        if (isFolder) {
            RemoveTree(entry);
        } else {
            DeleteClearing(entry);
        }
    });
    RemoveDirectoryA(folder.c_str());
}

void CreateFolderPath(const std::string& path) {
    if (CreateDirectoryA(path.c_str(), nullptr) || GetLastError() != ERROR_PATH_NOT_FOUND) return;
    for (const std::string& folder : path::FoldersTopDown(path)) {
        if (!IsFolder(folder)) CreateDirectoryA(folder.c_str(), nullptr);
    }
}

} // namespace installer_win32
