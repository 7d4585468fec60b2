#include "framework/System.h"

namespace framework {

WindowsVersion RunningWindows() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    return {version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion};
}

std::string ModulePath() {
    // A path cut at the buffer's end is not terminated on the NT family: take the
    // length the call returns, never more than the buffer.
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, length < sizeof path ? length : sizeof path);
}

} // namespace framework
