#pragma once
// Facts about the running system and program that several places ask for.
#include <windows.h>

#include <string>

namespace framework {

// The running Windows as GetVersionExA tells it: the platform id (2 for the NT family,
// anything else the Windows 9x family) and the version, such as 4.0 or 5.1.
struct WindowsVersion {
    DWORD platformId;
    DWORD major;
    DWORD minor;
    bool IsNt() const { return platformId == VER_PLATFORM_WIN32_NT; }
};

// The one question for the Windows family and version in both programs.
WindowsVersion RunningWindows();
// The full path of the running program's executable (at most MAX_PATH bytes).
std::string ModulePath();

} // namespace framework
