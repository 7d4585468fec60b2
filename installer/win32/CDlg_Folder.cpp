#include "installer/win32/CDlg_Folder.h"

#include "framework/System.h"
#include "installer/InstallRecord.h"
#include "installer/SetupPaths.h"
#include "installer/SetupRules.h"
#include "installer/win32/CDlg_Install.h"
#include "installer/win32/CDlg_Uninstall.h"
#include "installer/win32/FileTree.h"
#include "installer/win32/FolderBrowser.h"
#include "installer/win32/SetupIds.h"
#include "installer/win32/Messages.h"
#include "installer/win32/SetupSystem.h"
#include "installer/win32/Texts.h"
#include "text/Cp932.h"

#include <shellapi.h>

namespace installer_win32 {

namespace {

constexpr int kControls[] = {IDOK, IDCANCEL, IDC_BROWSE, IDC_INSTALL_PATH};

using FreeSpaceEx = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);

// Free bytes of a drive root: the total free bytes from GetDiskFreeSpaceExA where
// kernel32 has it, else free clusters x sectors x bytes; 0 when the query fails.
unsigned long long FreeBytes(const std::string& root) {
    auto extended = reinterpret_cast<FreeSpaceEx>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetDiskFreeSpaceExA")));
    if (extended) {
        ULARGE_INTEGER available, total, free;
        return extended(root.c_str(), &available, &total, &free) ? free.QuadPart : 0;
    }
    DWORD sectors, bytes, freeClusters, clusters;
    if (!GetDiskFreeSpaceA(root.c_str(), &sectors, &bytes, &freeClusters, &clusters)) return 0;
    return static_cast<unsigned long long>(freeClusters) * sectors * bytes;
}

bool IsEmptyFolder(const std::string& folder) {
    bool empty = true;
    ForEachEntry(folder, [&](const std::string&, bool) { empty = false; });
    return empty;
}

HICON BigIcon() {
    return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_SETUP));
}

// The icon's own 16 x 16 image where it has one, else the big icon.
HICON SmallIcon() {
    HANDLE small =
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_SETUP), IMAGE_ICON, 16, 16, 0);
    return small ? static_cast<HICON>(small) : BigIcon();
}

} // namespace

CDlg_Folder::CDlg_Folder() : framework::Dialog(IDD_FOLDER), icon(BigIcon(), SmallIcon()) {
    AddMessageHook(&icon);
}

CDlg_Folder::~CDlg_Folder() {
    RemoveMessageHook(&icon);
}

BOOL CDlg_Folder::OnInitDialog() {
    icon.Apply(Handle());
    if (!LoadSetupRecord(Handle(), record) || !Dispatch()) {
        End(IDCANCEL);
        return TRUE;
    }
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowTextA(Handle(), record.title.c_str());
    SetDlgItemTextA(Handle(), IDC_HEADING,
                    installer::Substitute(ItemText(Handle(), IDC_HEADING), record.title).c_str());
    defaultPath = DefaultInstallPath(record.installFolderName);
    SetDlgItemTextA(Handle(), IDC_INSTALL_PATH, defaultPath.c_str());
    return TRUE;
}

bool CDlg_Folder::Dispatch() {
    char* line = GetCommandLineA();
    installer::Dispatch dispatch = installer::ParseCommandLine(line ? line : "");
    for (installer::RunSwitch run : dispatch.switches) {
        if (run == installer::RunSwitch::HandOff) {
            RunHandOff(Handle(), record);
        } else {
            RunUninstall(Handle());
        }
    }
    return !dispatch.closeDialog;
}

bool CDlg_Folder::OnCommand(int id, int code, HWND control) {
    if (id == IDC_BROWSE && code == BN_CLICKED) {
        Browse();
        return true;
    }
    return framework::Dialog::OnCommand(id, code, control);
}

void CDlg_Folder::Browse() {
    std::string chosen = BrowseForFolder(Handle(), defaultPath);
    if (chosen.empty()) return;
    std::string result = installer::BrowseResult(chosen, record.installFolderName);
    SetDlgItemTextA(Handle(), IDC_INSTALL_PATH, result.c_str());
}

std::string CDlg_Folder::SourceFolder() const {
    return path::JoinPath(path::CutAtLastBackslash(framework::ModulePath()),
                               record.sourceFolder);
}

void CDlg_Folder::EnableControls(bool enable) {
    for (int id : kControls)
        EnableWindow(Item(id), enable ? TRUE : FALSE);
}

void CDlg_Folder::RefusePath() {
    Tell(Handle(), record.title, messages::kSpecifyFolder);
    SetDlgItemTextA(Handle(), IDC_INSTALL_PATH, defaultPath.c_str());
}

bool CDlg_Folder::CheckDrive(const std::string& path) {
    std::string root = path.substr(0, 3);
    UINT type = GetDriveTypeA(root.c_str());
    installer::InstallTarget target;
    target.path = path;
    target.windowsFolder = WindowsFolder();
    target.systemFolder = SystemFolder();
    target.programFilesFolder = ProgramFilesFolder();
    target.sourceFolder = SourceFolder();
    target.exists = Exists(path);
    target.empty = IsFolder(path) && IsEmptyFolder(path);
    std::vector<std::string> earlier;
    target.holdsRecord = installer::ParseRecord(
        ReadWholeFile(path::JoinPath(path, installer::kRecordName)), record.title, earlier);
    if (type == DRIVE_UNKNOWN || type == DRIVE_NO_ROOT_DIR ||
        installer::IsRefusedInstallPath(target)) {
        RefusePath();
        return false;
    }
    return true;
}

bool CDlg_Folder::CheckFreeSpace(const std::string& path) {
    unsigned long long megabytes = FreeBytes(path.substr(0, 3)) >> 20;
    if (megabytes >= record.requiredMegabytes) return true;
    const framework::Message& refusal = messages::kNoFreeSpace;
    Tell(Handle(), record.title, refusal,
         installer::Substitute(refusal.text, static_cast<long long>(record.requiredMegabytes)));
    return false;
}

bool CDlg_Folder::CheckFolder(const std::string& path) {
    if (Exists(path)) return true;
    const framework::Message& question = messages::kCreateFolder;
    if (Tell(Handle(), record.title, question, installer::Substitute(question.text, path)) !=
        IDYES) {
        Tell(Handle(), record.title, messages::kSpecifyFolder);
        return false;
    }
    CreateFolderPath(path);
    return true;
}

void CDlg_Folder::OnOK() {
    EnableControls(false);
    char typed[261] = {};
    GetDlgItemTextA(Handle(), IDC_INSTALL_PATH, typed, sizeof typed);
    std::string path = cp932::Truncate(typed, 260);
    // "C:\Foo\" is accepted as "C:\Foo", so every path made from it has one separator.
    if (path.size() > 3 && path::EndsInBackslash(path)) path.pop_back();
    if (!CheckDrive(path) || !CheckFreeSpace(path) || !CheckFolder(path)) {
        EnableControls(true);
        return;
    }
    Install(path);
    End(IDOK);
}

void CDlg_Folder::Install(const std::string& path) {
    Tell(Handle(), record.title, messages::kStarting);
    CDlg_Install window(record);
    window.sourceFolder = SourceFolder();
    window.installFolder = path;
    window.expand = true;
    INT_PTR result = window.Run(Handle());
    // Both stops come before any copy: an empty install folder goes again.
    if (result == CDlg_Install::kFilesMissing || result == CDlg_Install::kNoStartMenu) {
        Tell(Handle(), record.title,
             result == CDlg_Install::kFilesMissing ? messages::kFilesMissing
                                                   : messages::kNoInstallInfo);
        RemoveDirectoryA(path.c_str());
        return;
    }
    // A window that could not run copied nothing.
    if (result != CDlg_Install::kRan && window.failedFile.empty()) window.failedFile = path;
    if (!window.failedFile.empty()) {
        std::string text = installer::Substitute(messages::kCopyFailed.text, window.failedFile);
        if (window.keyWritten)
            text += installer::Substitute(texts::kIncompleteRemovable, record.title);
        Tell(Handle(), record.title, messages::kCopyFailed, text);
        return;
    }
    SetForegroundWindow(Handle());
    Tell(Handle(), record.title, messages::kInstalled);
    const framework::Message& offer = messages::kShowHelp;
    if (Tell(Handle(), record.title, offer, installer::Substitute(offer.text, record.title)) ==
        IDYES) {
        ShellExecuteA(nullptr, "open", path::JoinPath(path, record.helpFile).c_str(), nullptr,
                      nullptr, SW_SHOWNORMAL);
    }
}

} // namespace installer_win32
