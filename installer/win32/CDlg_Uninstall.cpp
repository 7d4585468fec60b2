#include "installer/win32/CDlg_Uninstall.h"

#include "framework/System.h"
#include "installer/InstallRecord.h"
#include "installer/SetupPaths.h"
#include "installer/win32/FileTree.h"
#include "installer/win32/SetupIds.h"
#include "installer/win32/SetupSystem.h"
#include "installer/win32/Shortcuts.h"
#include "installer/win32/Messages.h"
#include "installer/win32/Texts.h"

#include <vector>

namespace installer_win32 {

namespace {

bool OpenUninstallKey(const installer::SetupRecord& record, HKEY& key) {
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, record.uninstallKey.c_str(), 0, KEY_ALL_ACCESS,
                         &key) == ERROR_SUCCESS;
}

bool QueryInstallPath(HKEY key, std::string& folder) {
    char value[MAX_PATH + 1] = {};
    DWORD size = MAX_PATH;
    DWORD type = 0;
    if (RegQueryValueExA(key, "InstallPath", nullptr, &type, reinterpret_cast<BYTE*>(value),
                         &size) != ERROR_SUCCESS ||
        type != REG_SZ || !value[0]) {
        return false;
    }
    folder = value;
    return true;
}

// The install record of `folder` in the order of removal; false, with nothing to
// remove, when it is missing, foreign or damaged.
bool ReadRecord(const std::string& folder, const std::string& product,
                std::vector<std::string>& entries) {
    std::string text = ReadWholeFile(path::JoinPath(folder, installer::kRecordName));
    bool own = installer::ParseRecord(text, product, entries);
    entries = installer::RemovalOrder(entries);
    return own;
}

std::string TemporaryIniPath() {
    std::string folder = TemporaryFolder();
    if (path::EndsInBackslash(folder)) folder.pop_back();
    return folder + "\\TbSetup.ini";
}

} // namespace

void CDlg_Uninstall::RemoveRecorded(const std::string& installFolder,
                                    const std::vector<std::string>& entries) {
    // Deepest first: a folder's files go before the folder, which goes only when empty.
    for (const std::string& entry : entries) {
        std::string path = path::JoinPath(installFolder, entry);
        if (IsFolder(path)) {
            RemoveDirectoryA(path.c_str());
        } else if (Exists(path)) {
            DeleteClearing(path);
            Step(texts::kStepRemoveFile);
        }
    }
    RemoveDirectoryA(installFolder.c_str());
}

BOOL CDlg_Uninstall::OnInitDialog() {
    SetWindowTextA(Handle(), texts::kUninstallCaption);
    return CDlg_Progress::OnInitDialog();
}

void CDlg_Uninstall::RemoveGroup() {
    std::string programs;
    if (!FindProgramsFolder(programs)) {
        Ask(record.title, messages::kNoUninstallInfo);
        return;
    }
    std::string group = GroupFolder(programs, record.title);
    if (!group.empty() && IsFolder(group)) RemoveTree(group);
}

bool CDlg_Uninstall::ReadInstallPath(HKEY key, std::string& folder) {
    return QueryInstallPath(key, folder);
}

bool CDlg_Uninstall::RemoveKey(std::string& installFolder) {
    HKEY key;
    if (!OpenUninstallKey(record, key)) {
        Ask(record.title, messages::kRegistryMissing);
        return false;
    }
    bool ok = ReadInstallPath(key, installFolder);
    if (!ok) {
        Ask(record.title, messages::kRegistryUnreadable);
    } else if (RegDeleteKeyA(HKEY_LOCAL_MACHINE, record.uninstallKey.c_str()) != ERROR_SUCCESS) {
        Ask(record.title, messages::kRegistryNotDeleted);
        ok = false;
    }
    RegCloseKey(key);
    return ok;
}

void CDlg_Uninstall::Work() {
    RemoveGroup();
    HKEY key;
    std::string installFolder;
    if (!OpenUninstallKey(record, key)) {
        Ask(record.title, messages::kNoUninstallInfo);
    } else if (!ReadInstallPath(key, installFolder)) {
        RegCloseKey(key);
        Ask(record.title, messages::kInstallPathUnreadable);
    } else {
        RegCloseKey(key);
        // Only what the installation recorded is removed; the steps count the listed
        // files that exist now.
        std::vector<std::string> entries;
        bool recorded = ReadRecord(installFolder, record.title, entries);
        std::size_t files = 0;
        for (const std::string& entry : entries) {
            std::string path = path::JoinPath(installFolder, entry);
            files += Exists(path) && !IsFolder(path) ? 1 : 0;
        }
        StartSteps(files + 2, texts::kUninstallStart);
        Step(texts::kStepRemoveShortcuts);
        RemoveGroup();
        Step(texts::kStepRemoveRegistry);
        if (RemoveKey(installFolder)) {
            RemoveRecorded(installFolder, entries);
            // Without a record nothing is known to be ours: the folder stays, and the
            // user learns where it is.
            if (recorded || !Exists(installFolder)) {
                Ask(record.title, messages::kUninstalled);
            } else {
                const framework::Message& kept = messages::kUninstalledFolderKept;
                Ask(record.title, kept, installer::Substitute(kept.text, installFolder));
            }
        }
    }
    Finish(1);
    Pause(1000);
}

CDlg_Confirm::CDlg_Confirm(const std::string& title)
    : framework::Dialog(IDD_CONFIRM), title(title) {}

BOOL CDlg_Confirm::OnInitDialog() {
    SetWindowTextA(Handle(), installer::Substitute(WindowText(Handle()), title).c_str());
    for (int id : {IDC_CONFIRM_LINE1, IDC_CONFIRM_LINE2}) {
        SetDlgItemTextA(Handle(), id, installer::Substitute(ItemText(Handle(), id), title).c_str());
    }
    // No is the default answer, so Enter must not remove anything: the focus starts there.
    SetFocus(Item(IDCANCEL));
    return FALSE;
}

void RunHandOff(HWND owner, const installer::SetupRecord& record) {
    std::string temporary = installer::TemporaryProgramPath(TemporaryFolder());
    DeleteClearing(temporary);
    HKEY key;
    if (!OpenUninstallKey(record, key)) {
        Tell(owner, record.title, messages::kNoUninstallInfo);
        return;
    }
    std::string installFolder;
    QueryInstallPath(key, installFolder);
    RegCloseKey(key);
    std::string installed = installFolder + "\\TbSetup.exe";
    if (!CopyReplacing(installed, temporary)) {
        const framework::Message& error = messages::kStarterError;
        Tell(owner, texts::kStarterErrorCaption, error,
             installer::Substitute(error.text, static_cast<long long>(GetLastError())));
    }
    CopyReplacing(installer::SetupInfoPathOf(installed), installer::SetupInfoPathOf(temporary));
    if (framework::RunningWindows().IsNt()) {
        MoveFileExA(temporary.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    } else {
        std::string wininit = path::JoinPath(WindowsFolder(), "wininit.ini");
        WritePrivateProfileStringA("Rename", "NUL", temporary.c_str(), wininit.c_str());
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    char commandLine[] = " /U";
    if (CreateProcessA(temporary.c_str(), commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

void RunUninstall(HWND owner) {
    installer::SetupRecord record;
    if (!LoadSetupRecord(owner, record)) return;
    CDlg_Confirm confirm(record.title);
    if (confirm.DoModal(nullptr) == IDOK) {
        CDlg_Uninstall window(record);
        window.Run(nullptr);
    } else {
        Tell(owner, record.title, messages::kUninstallDeclined);
    }
    // The temporary copy of the setup information goes in both cases; the program copy
    // beside it is removed by the system at the next restart.
    DeleteClearing(TemporaryIniPath());
}

} // namespace installer_win32
