#include "framework/System.h"

namespace framework {

WindowsVersion RunningWindows() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    return {version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion};
}

std::string ModulePath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

} // namespace framework
