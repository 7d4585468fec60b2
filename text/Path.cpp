#include "text/Path.h"

#include "text/Cp932.h"

namespace path {

namespace {

// Byte offsets of every backslash that is a character of its own.
std::vector<std::size_t> Separators(const std::string& path) {
    std::vector<std::size_t> found;
    for (cp932::Char c : cp932::Chars(path)) {
        if (c.Is('\\')) found.push_back(c.pos);
    }
    return found;
}

} // namespace

bool EndsInBackslash(const std::string& path) {
    return !path.empty() && cp932::FindLastBackslash(path) == path.size() - 1;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder + "\\" + name;
}

std::string Below(const std::string& folder, const std::string& name) {
    return EndsInBackslash(folder) ? folder + name : JoinPath(folder, name);
}

std::string InFolder(const std::string& folder, const std::string& name) {
    return folder.empty() ? std::string() : Below(folder, name);
}

std::string CutAtLastBackslash(const std::string& path) {
    std::size_t slash = cp932::FindLastBackslash(path);
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string FolderOf(const std::string& fullPath) {
    std::size_t slash = cp932::FindLastBackslash(fullPath);
    return slash == std::string::npos ? std::string() : fullPath.substr(0, slash + 1);
}

std::string NameOf(const std::string& path) {
    std::size_t slash = cp932::FindLastBackslash(path);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FileTitle(const std::string& fullPath) {
    std::string name = NameOf(fullPath);
    // "." is never a trail byte, so a plain search is safe here.
    std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string WithoutTrailingBackslash(const std::string& path) {
    bool cut = path.size() > 3 && EndsInBackslash(path);
    return cut ? path.substr(0, path.size() - 1) : path;
}

std::vector<std::string> FoldersTopDown(const std::string& path) {
    std::vector<std::size_t> cuts = Separators(path);
    // Skip the root: "C:\" (the backslash after the drive) or "\\server\share\".
    std::size_t skip = 0;
    if (path.size() >= 2 && path[1] == ':') skip = 1;
    if (path.compare(0, 2, "\\\\") == 0) skip = 4;
    std::vector<std::string> folders;
    for (std::size_t i = skip; i < cuts.size(); ++i) {
        if (cuts[i] > 0) folders.push_back(path.substr(0, cuts[i]));
    }
    // The path itself, unless it is only the root ("C:", "\\server\share").
    if (!path.empty() && !EndsInBackslash(path) && cuts.size() >= skip) folders.push_back(path);
    return folders;
}

} // namespace path
