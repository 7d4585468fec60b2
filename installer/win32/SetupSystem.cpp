#include "installer/win32/SetupSystem.h"

#include "framework/Seam.h"
#include "framework/System.h"
#include "installer/win32/Messages.h"
#include "installer/SetupPaths.h"
#include "text/Cp932.h"
#include "text/Path.h"

#include <vector>

namespace installer_win32 {

namespace {

constexpr char kSection[] = "SetupInformation";

// The system's profile reader; a value is cut to a field on a character boundary.
class SystemProfile : public installer::ProfileReader {
public:
    explicit SystemProfile(std::string file) : file(std::move(file)) {}
    std::string ReadText(const char* key) const override {
        std::vector<char> value(4096);
        GetPrivateProfileStringA(kSection, key, "", value.data(), static_cast<DWORD>(value.size()),
                                 file.c_str());
        return cp932::Truncate(value.data(), installer::kFieldBytes);
    }

private:
    std::string file;
};

installer::WindowsVersion SystemVersion() {
    const framework::WindowsVersion version = framework::RunningWindows();
    return {version.major, version.minor};
}

template <class Query> std::string FolderFrom(Query query) {
    char folder[MAX_PATH] = {};
    UINT length = query(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(folder) : std::string();
}

} // namespace

std::string SetupInfoPath() {
    return installer::SetupInfoPathOf(framework::ModulePath());
}

bool LoadSetupRecord(HWND owner, installer::SetupRecord& record) {
    SystemProfile profile(SetupInfoPath());
    if (installer::ReadSetupInformation(profile, SystemVersion(), record)) return true;
    Tell(owner, record.title, messages::kSetupInfoBroken);
    return false;
}

std::string ReadTitleOnly() {
    return SystemProfile(SetupInfoPath()).ReadText("TITLE_NAME");
}

std::string WindowsFolder() {
    return FolderFrom([](char* b, UINT n) { return GetWindowsDirectoryA(b, n); });
}

std::string SystemFolder() {
    return FolderFrom([](char* b, UINT n) { return GetSystemDirectoryA(b, n); });
}

std::string TemporaryFolder() {
    return FolderFrom([](char* b, UINT n) { return static_cast<UINT>(GetTempPathA(n, b)); });
}

std::string ProgramFilesFolder() {
    HKEY key;
    char value[MAX_PATH] = {};
    DWORD size = sizeof value - 1;
    std::string folder;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", 0,
                      KEY_READ, &key) == ERROR_SUCCESS) {
        if (RegQueryValueExA(key, "ProgramFilesDir", nullptr, nullptr,
                             reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS) {
            folder = value;
        }
        RegCloseKey(key);
    }
    if (folder.empty()) folder = path::CutAtLastBackslash(DefaultInstallPath("x"));
    return folder;
}

bool RunsUnderWow64() {
    using IsWow64 = BOOL(WINAPI*)(HANDLE, PBOOL);
    auto isWow64 = reinterpret_cast<IsWow64>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process")));
    BOOL wow64 = FALSE;
    return isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
}

std::string DefaultInstallPath(const std::string& folderName) {
    return installer::DefaultInstallPath(WindowsFolder(), folderName, RunsUnderWow64());
}

std::string ProgramName() {
    return path::FileTitle(framework::ModulePath());
}

std::string WindowText(HWND window) {
    std::vector<char> text(GetWindowTextLengthA(window) + 2);
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::string ItemText(HWND dialog, int id) {
    return WindowText(GetDlgItem(dialog, id));
}

std::string ReadWholeFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (text.size() < (1u << 24) && ReadFile(file, buffer, sizeof buffer, &read, nullptr) &&
           read > 0) {
        text.append(buffer, read);
    }
    CloseHandle(file);
    return text;
}

bool IsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool CopyReplacing(const std::string& source, const std::string& target) {
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    return CopyFileA(source.c_str(), target.c_str(), FALSE) != FALSE;
}

bool DeleteClearing(const std::string& path) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return DeleteFileA(path.c_str()) != FALSE;
}

void Pause(DWORD milliseconds) {
    static const bool skip = [] {
        char value[8] = {};
        DWORD length = GetEnvironmentVariableA("TBSETUP_NO_PAUSE", value, sizeof value);
        return length == 1 && value[0] == '1';
    }();
    if (!skip) Sleep(milliseconds);
}

StageTimer::StageTimer() {
    QueryPerformanceCounter(&start);
}

void StageTimer::Report(const char* key) const {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    char path[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableA("TBSETUP_TIMING", path, sizeof path);
    if (length == 0 || length >= sizeof path || !QueryPerformanceFrequency(&frequency)) return;
    HANDLE file =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    auto microseconds =
        static_cast<unsigned long>((now.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart);
    char line[96];
    int size = wsprintfA(line, "sample %s %lu\r\n", key, microseconds);
    DWORD written = 0;
    SetFilePointer(file, 0, nullptr, FILE_END);
    WriteFile(file, line, static_cast<DWORD>(size), &written, nullptr);
    CloseHandle(file);
}

int Tell(HWND owner, const std::string& caption, const framework::Message& message,
         const std::string& text) {
    return framework::Show(owner, caption.c_str(),
                           text.empty() ? message : framework::Message{text.c_str(), message.type});
}

} // namespace installer_win32
