#pragma once
// Facts about the running system and program that several places ask for.
#include <windows.h>

#include <string>

namespace framework {

// The platform id of the version information: 2 is the Windows NT family, anything
// else the Windows 9x family.
DWORD PlatformId();
bool IsNtFamily();
// The full path of the running program's executable (at most MAX_PATH bytes).
std::string ModulePath();

} // namespace framework
