#include "installer/win32/CDlg_Install.h"

#include "framework/System.h"
#include "installer/SetupPaths.h"
#include "installer/win32/FileTree.h"
#include "installer/win32/Messages.h"
#include "installer/win32/SetupSystem.h"
#include "installer/win32/Shortcuts.h"
#include "installer/win32/Texts.h"

#include <lzexpand.h>
#include <shellapi.h>

namespace installer_win32 {

namespace {

bool SameFile(const std::string& a, const std::string& b) {
    return cp932::EqualsNoCase(a, b);
}

bool ExpandFile(const std::string& source, const std::string& target) {
    OFSTRUCT sourceInfo = {}, targetInfo = {};
    INT from = LZOpenFileA(const_cast<char*>(source.c_str()), &sourceInfo, OF_READ);
    INT to = LZOpenFileA(const_cast<char*>(target.c_str()), &targetInfo, OF_CREATE);
    bool ok = from >= 0 && to >= 0 && LZCopy(from, to) >= 0;
    if (from >= 0) LZClose(from);
    if (to >= 0) LZClose(to);
    return ok;
}

bool WriteText(const std::string& path, const std::string& text) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
              written == text.size();
    return CloseHandle(file) && ok;
}

bool SetString(HKEY key, const char* name, const std::string& value) {
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

} // namespace

void CDlg_Install::Work() {
    StageTimer timer;
    StartSteps(CountFiles(sourceFolder) + 5, texts::kInstallStart);
    Pause(100);
    if (!FindExpandedFile(sourceFolder, record.programFile) ||
        !FindExpandedFile(sourceFolder, record.helpFile)) {
        Finish(kFilesMissing);
        return;
    }
    // Without a place for the Start-menu group the installation stops before it copies
    // anything, so the message that says it stops is true and nothing is left behind.
    std::string programs;
    if (FindProgramsFolder(programs)) group = GroupFolder(programs, record.title);
    if (group.empty()) {
        Finish(kNoStartMenu);
        return;
    }
    CopyBeside(texts::kStepProgram, framework::ModulePath(), "TBSetup.exe");
    CopyBeside(texts::kStepSetupInfo, SetupInfoPath(), "TBSetup.ini");
    CopyTree(sourceFolder, installFolder, std::string());
    timer.Report("setup.copy");
    Step(texts::kStepShortcuts);
    CreateGroup();
    Step(texts::kStepRegistry);
    keyWritten = WriteUninstallKey();
    WriteRecord();
    Pause(1000);
    Step(texts::kStepDone);
    timer.Report("setup.work");
    Finish(kRan);
}

void CDlg_Install::Created(const std::string& relative) {
    created.push_back(relative);
}

void CDlg_Install::Failed(const std::string& target) {
    if (failedFile.empty()) failedFile = target;
}

void CDlg_Install::CopyBeside(const char* step, const std::string& source, const char* name) {
    Step(step);
    std::string target = path::JoinPath(installFolder, name);
    // A run from the install folder itself copies these onto themselves: nothing to do.
    if (SameFile(source, target) || CopyReplacing(source, target)) {
        Created(name);
    } else {
        Failed(target);
    }
}

void CDlg_Install::CopyTree(const std::string& source, const std::string& target,
                            const std::string& relative) {
    CreateDirectoryA(target.c_str(), nullptr);
    ForEachEntry(source, [&](const std::string& name, bool isFolder) {
        std::string from = cp932::UpperCase(path::JoinPath(source, name));
        std::string to = cp932::UpperCase(path::JoinPath(target, name));
        std::string inside =
            cp932::UpperCase(relative.empty() ? name : path::JoinPath(relative, name));
        if (!isFolder) {
            CopyOneFile(name, from, to, inside);
            return;
        }
        CreateDirectoryA(to.c_str(), nullptr);
        if (IsFolder(to)) Created(inside);
        CopyTree(from, to, inside);
    });
}

void CDlg_Install::CopyOneFile(const std::string& name, const std::string& source,
                               const std::string& target, const std::string& relative) {
    std::string expanded = ExpandedName(source);
    bool ok;
    std::string installed = target;
    std::string inside = relative;
    std::string step = installer::Substitute(texts::kStepFile, name);
    if (expand && expanded != source) {
        // Compression replaced the extension's last letter by "_": give it back.
        installed = cp932::UpperCase(installer::ExpandedTarget(target, expanded));
        inside = cp932::UpperCase(installer::ExpandedTarget(relative, expanded));
        ok = installed.size() < MAX_PATH && ExpandFile(source, installed);
        Step(step);
    } else {
        ok = CopyReplacing(source, installed);
        Step(step);
        SetFileAttributesA(installed.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    if (ok) {
        Created(inside);
    } else {
        Failed(installed);
    }
}

void CDlg_Install::CreateGroup() {
    CreateDirectoryA(group.c_str(), nullptr);
    // Only an existing folder is opened: the shell would report a missing one in a box
    // of its own, which would hold up this thread.
    if (IsFolder(group))
        ShellExecuteA(nullptr, "open", group.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    auto failure = [](void* self, const framework::Message& message) {
        static_cast<CDlg_Install*>(self)->Ask(ProgramName(), message);
    };
    CreateShortcut(path::JoinPath(group, record.title + ".LNK"),
                   path::JoinPath(installFolder, record.programFile),
                   installer::Substitute(texts::kProgramShortcutDescription, record.printerName),
                   installFolder, failure, this);
    CreateShortcut(path::JoinPath(group, std::string(texts::kHelpShortcutName) + ".LNK"),
                   path::JoinPath(installFolder, record.helpFile),
                   installer::Substitute(texts::kHelpShortcutDescription, record.printerName),
                   installFolder, failure, this);
}

bool CDlg_Install::WriteUninstallKey() {
    HKEY key;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, record.uninstallKey.c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        &disposition) != ERROR_SUCCESS) {
        Ask(record.title, messages::kRegistryWriteFailed);
        return false;
    }
    std::string icon = installFolder + "\\Tbsetup.exe";
    // The entry counts only when the program list can show it and start the removal.
    bool written = SetString(key, "DisplayName", record.title);
    if (written) {
        written = SetString(key, "InstallPath", installFolder);
        written = SetString(key, "DisplayIcon", icon) && written;
        written = SetString(key, "UninstallString", icon + " /M") && written;
    }
    RegCloseKey(key);
    return written;
}

void CDlg_Install::WriteRecord() {
    // Files of an earlier installation into this folder stay listed while they exist,
    // so that the uninstallation still removes them.
    std::string path = path::JoinPath(installFolder, installer::kRecordName);
    std::vector<std::string> earlier;
    if (installer::ParseRecord(ReadWholeFile(path), record.title, earlier)) {
        for (const std::string& entry : earlier) {
            if (Exists(path::JoinPath(installFolder, entry))) created.push_back(entry);
        }
    }
    Created(installer::kRecordName);
    if (!WriteText(path, installer::FormatRecord(record.title, installer::UniquePaths(created))))
        Failed(path);
}

} // namespace installer_win32
