#include "installer/win32/Shortcuts.h"

#include "installer/InstallRecord.h"
#include "installer/SetupPaths.h"
#include "installer/win32/Messages.h"
#include "installer/win32/Texts.h"

#include <windows.h>
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

namespace installer_win32 {

namespace {

constexpr char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

bool ReadValue(HKEY root, const std::string& keyPath, const char* name, std::string& value) {
    HKEY key;
    if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    char data[MAX_PATH + 1] = {};
    DWORD size = MAX_PATH;
    DWORD type = 0;
    bool ok = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) ==
                  ERROR_SUCCESS &&
              (type == REG_SZ || type == REG_EXPAND_SZ) && data[0];
    RegCloseKey(key);
    if (ok) value = data;
    return ok;
}

// The shell-link class and its two interfaces, by their fixed identifiers.
const CLSID kShellLinkClass = {0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kShellLinkA = {0x000214EE, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kPersistFile = {0x0000010B, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

} // namespace

bool FindProgramsFolder(std::string& folder) {
    return ReadValue(HKEY_LOCAL_MACHINE, kShellFolders, "Common Programs", folder) ||
           ReadValue(HKEY_USERS, std::string(".DEFAULT\\") + kShellFolders, "Programs", folder);
}

std::string GroupFolder(const std::string& programsFolder, const std::string& title) {
    if (!installer::StaysBelowFolder(title)) return std::string();
    return path::JoinPath(programsFolder, title);
}

bool CreateShortcut(const std::string& linkFile, const std::string& target,
                    const std::string& description, const std::string& workingFolder,
                    LinkFailure failure, void* context) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, kShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
        return false;
    }
    IPersistFile* file = nullptr;
    link->QueryInterface(kPersistFile, reinterpret_cast<void**>(&file));
    bool ok = true;
    auto check = [&](HRESULT result, const framework::Message& message) {
        if (SUCCEEDED(result)) return;
        ok = false;
        failure(context, message);
    };
    check(link->SetPath(target.c_str()), messages::kSetPathFailed);
    check(link->SetDescription(description.c_str()), messages::kSetDescriptionFailed);
    check(link->SetWorkingDirectory(workingFolder.c_str()), messages::kSetWorkingDirectoryFailed);
    WCHAR wide[MAX_PATH] = {};
    int converted = MultiByteToWideChar(CP_ACP, 0, linkFile.c_str(), -1, wide, MAX_PATH);
    check(file && converted > 0 ? file->Save(wide, TRUE) : E_FAIL, messages::kSaveFailed);
    if (file) file->Release();
    link->Release();
    return ok;
}

} // namespace installer_win32
