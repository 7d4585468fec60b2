#include "installer/SetupPaths.h"

#include "text/Cp932.h"

namespace installer {

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

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder + "\\" + name;
}

std::string CutAtLastBackslash(const std::string& path) {
    std::size_t slash = cp932::FindLastBackslash(path);
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    std::size_t slash = cp932::FindLastBackslash(path);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool EndsInBackslash(const std::string& path) {
    return !path.empty() && cp932::FindLastBackslash(path) == path.size() - 1;
}

std::string UpperCase(const std::string& text) {
    std::string result = text;
    for (cp932::Char c : cp932::Chars(text)) {
        if (c.length == 1 && c.first >= 'a' && c.first <= 'z')
            result[c.pos] = static_cast<char>(c.first - 'a' + 'A');
    }
    return result;
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    return UpperCase(a) == UpperCase(b);
}

bool ContainsText(const std::string& text, const std::string& part) {
    for (std::size_t pos = 0; pos + part.size() <= text.size();
         pos += cp932::CharLength(text, pos)) {
        if (text.compare(pos, part.size(), part) == 0) return true;
    }
    return false;
}

std::string DefaultInstallPath(const std::string& windowsFolder, const std::string& folderName,
                               bool wow64) {
    std::string drive = windowsFolder.empty() ? std::string("C") : windowsFolder.substr(0, 1);
    return drive + (wow64 ? ":\\Program Files (x86)\\" : ":\\Program Files\\") + folderName;
}

std::string BrowseResult(const std::string& chosen, const std::string& folderName) {
    return EndsInBackslash(chosen) ? chosen + folderName : JoinPath(chosen, folderName);
}

std::string TemporaryProgramPath(const std::string& temporaryFolder) {
    std::string folder = temporaryFolder;
    if (EndsInBackslash(folder)) folder.pop_back();
    return folder + "\\Tbsetup.exe";
}

std::string ExpandedTarget(const std::string& target, const std::string& expandedName) {
    if (target.empty() || expandedName.empty()) return target;
    std::string result = target;
    result.back() = expandedName.back();
    return result;
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

} // namespace installer
