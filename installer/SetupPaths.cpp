#include "installer/SetupPaths.h"

namespace installer {

std::string DefaultInstallPath(const std::string& windowsFolder, const std::string& folderName,
                               bool wow64) {
    std::string drive = windowsFolder.empty() ? std::string("C") : windowsFolder.substr(0, 1);
    return drive + (wow64 ? ":\\Program Files (x86)\\" : ":\\Program Files\\") + folderName;
}

std::string BrowseResult(const std::string& chosen, const std::string& folderName) {
    return path::Below(chosen, folderName);
}

std::string TemporaryProgramPath(const std::string& temporaryFolder) {
    return path::Below(temporaryFolder, "Tbsetup.exe");
}

std::string ExpandedTarget(const std::string& target, const std::string& expandedName) {
    if (target.empty() || expandedName.empty()) return target;
    std::string result = target;
    result.back() = expandedName.back();
    return result;
}

} // namespace installer
