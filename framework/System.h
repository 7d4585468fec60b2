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

// Lets the system look for DLLs loaded by a bare name in its own folder only, as far as
// the running Windows allows: Windows 8, and Vista and 7 with the update that brings
// SetDefaultDllDirectories, search the system folder alone; Windows XP SP1 and later
// leave out the current folder (SetDllDirectoryA ""); older versions offer neither.
// Both programs call it first thing, before anything loads a DLL at run time, so a DLL
// of a system name placed beside the program (say in the temporary folder the
// uninstallation runs from) is not taken for the system's own.
void SearchSystemFolderOnly();

// Loads the system's DLL `name` by its full path in the system folder; nullptr when it
// is not there or the folder is unknown (the bare name is never searched for).
HMODULE LoadSystemLibrary(const char* name);

} // namespace framework
