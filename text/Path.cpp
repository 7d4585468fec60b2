#include "text/Path.h"

#include "text/Cp932.h"

namespace path {

std::string FolderOf(const std::string& fullPath) {
    std::size_t slash = cp932::FindLastBackslash(fullPath);
    return slash == std::string::npos ? std::string() : fullPath.substr(0, slash + 1);
}

std::string FileTitle(const std::string& fullPath) {
    std::size_t slash = cp932::FindLastBackslash(fullPath);
    std::string name = slash == std::string::npos ? fullPath : fullPath.substr(slash + 1);
    // "." is never a trail byte, so a plain search is safe here.
    std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string InFolder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return std::string();
    bool endsInBackslash = cp932::FindLastBackslash(folder) == folder.size() - 1;
    return endsInBackslash ? folder + name : folder + "\\" + name;
}

} // namespace path
