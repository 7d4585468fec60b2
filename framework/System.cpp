#include "framework/System.h"

namespace framework {

DWORD PlatformId() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    return version.dwPlatformId;
}

bool IsNtFamily() {
    return PlatformId() == VER_PLATFORM_WIN32_NT;
}

std::string ModulePath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

} // namespace framework
