#include "tests/win/PrefixFiles.h"

#include "tests/WaitFor.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace wintest {

std::string UserValue(const char* key, const char* name) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) return "";
    char value[MAX_PATH] = {};
    DWORD size = sizeof value - 1;
    LONG status =
        RegQueryValueExA(handle, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(handle);
    return status == ERROR_SUCCESS ? value : "";
}

// The Windows path of the Unix file the prefix spools LPT1: into, "" when it has none.
std::string JobsFile() {
    std::string path = UserValue("Software\\Wine\\Printing\\Spooler", "LPT1:");
    if (path.empty() || path[0] != '/') return "";
    for (char& c : path)
        if (c == '/') c = '\\';
    return "Z:" + path;
}

std::vector<unsigned char> FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The spooler may finish writing the port's file after the job is closed.
std::vector<unsigned char> WaitForJob(const std::string& path, std::size_t size) {
    std::vector<unsigned char> bytes;
    testwait::WaitFor(5000, [&] { return (bytes = FileBytes(path)).size() >= size; });
    return bytes;
}

} // namespace wintest
