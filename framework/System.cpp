#include "framework/System.h"

#include "text/Path.h"

namespace framework {

namespace {

// The flag of SetDefaultDllDirectories that names the system folder alone.
const DWORD kSearchSystem32 = 0x00000800; // LOAD_LIBRARY_SEARCH_SYSTEM32

template <class Function> Function KernelFunction(const char* name) {
    FARPROC found = GetProcAddress(GetModuleHandleA("kernel32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

} // namespace

void SearchSystemFolderOnly() {
    // Both are looked up: the first Windows 95 and NT 4.0 releases have neither.
    auto setDefault = KernelFunction<BOOL(WINAPI*)(DWORD)>("SetDefaultDllDirectories");
    if (setDefault && setDefault(kSearchSystem32)) return;
    auto setDirectory = KernelFunction<BOOL(WINAPI*)(LPCSTR)>("SetDllDirectoryA");
    if (setDirectory) setDirectory("");
}

HMODULE LoadSystemLibrary(const char* name) {
    char folder[MAX_PATH];
    UINT length = GetSystemDirectoryA(folder, sizeof folder);
    if (length == 0 || length >= sizeof folder) return nullptr;
    std::string path = path::InFolder(std::string(folder, length), name);
    return path.empty() ? nullptr : LoadLibraryA(path.c_str());
}

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
