// Uninstallation scenario: the registered UninstallString starts the hand-off run, which
// leaves a temporary copy scheduled for deletion at reboot and starts the uninstall run;
// its confirmation is answered, and what it removes (or keeps) is checked.
#include "tests/e2e/SetupScenarios.h"

#include <cstdlib>

namespace setup {

namespace {

const char kSessionManager[] = "System\\CurrentControlSet\\Control\\Session Manager";
const char kPendingRenames[] = "PendingFileRenameOperations";

bool IsNt() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

std::string WininitIni() {
    return WindowsFolder() + "\\wininit.ini";
}

bool SameText(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// The sources of the moves registered for the next restart whose target is nothing.
std::vector<std::string> PendingDeletes() {
    std::vector<std::string> deletes;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return deletes;
    std::vector<char> value(65536);
    DWORD size = static_cast<DWORD>(value.size() - 2), type = 0;
    if (RegQueryValueExA(key, kPendingRenames, nullptr, &type,
                         reinterpret_cast<BYTE*>(value.data()), &size) == ERROR_SUCCESS &&
        type == REG_MULTI_SZ) {
        // Pairs of strings: source, then target (empty: delete).
        std::vector<std::string> strings;
        for (const char* at = value.data(); at < value.data() + size;) {
            std::string text(at);
            strings.push_back(text);
            at += text.size() + 1;
        }
        for (size_t i = 0; i + 1 < strings.size(); i += 2)
            if (strings[i + 1].empty()) deletes.push_back(strings[i]);
    }
    RegCloseKey(key);
    return deletes;
}

// Forgets earlier deletions at reboot, so that the hand-off run's entry is its own.
void ClearPendingDeletes() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_SET_VALUE, &key) ==
        ERROR_SUCCESS) {
        RegDeleteValueA(key, kPendingRenames);
        RegCloseKey(key);
    }
    WritePrivateProfileStringA("Rename", nullptr, nullptr, WininitIni().c_str());
}

// NT: a move of `file` to nothing at reboot; 9x: NUL=file in [Rename] of wininit.ini.
void CheckDeletedAtReboot(e2e::Checks& checks, const std::string& file) {
    bool pending = false;
    for (const std::string& source : PendingDeletes())
        pending = pending || SameText(source, "\\??\\" + file);
    char nul[MAX_PATH * 2] = "";
    GetPrivateProfileStringA("Rename", "NUL", "", nul, sizeof nul, WininitIni().c_str());
    if (IsNt()) {
        checks.That(pending, ("PendingFileRenameOperations deletes " + file).c_str());
        checks.Equal("wininit.ini NUL on NT", "", nul);
    } else {
        checks.Equal("wininit.ini [Rename] NUL", file, nul);
        checks.That(!pending, "no PendingFileRenameOperations entry on 9x");
    }
}

// The confirmation dialog of the uninstall run, checked; null when it did not come.
HWND WaitForConfirmation(e2e::Checks& checks, const SetupInfo& info) {
    const std::string caption = Fill(kConfirmCaption, info.title);
    e2e::WindowWanted wanted;
    wanted.className = "#32770";
    wanted.title = caption.c_str();
    wanted.control = IDOK;
    HWND dialog = e2e::WaitForWindow(wanted);
    if (!checks.That(dialog != nullptr, "confirmation dialog appears")) return nullptr;
    e2e::CheckControlTexts(
        checks, dialog,
        {{"confirmation line 1", IDC_CONFIRM_LINE1, Fill(kConfirmLine1, info.title)},
         {"confirmation line 2", IDC_CONFIRM_LINE2, Fill(kConfirmLine2, info.title)},
         {"Yes button", IDOK, kYesText},
         {"No button", IDCANCEL, kNoText}});
    return dialog;
}

} // namespace

void Uninstall(e2e::Checks& checks, const Args& args) {
    SetupInfo info = ReadSetupInfo(args[0]);
    const bool confirm = args[1] == "yes";
    const int count = std::atoi(args[2].c_str());
    const bool pause = !(args.size() > 3 && args[3] == "--no-pause");
    if (!pause) SetEnvironmentVariableA("TBSETUP_NO_PAUSE", "1");
    const std::string installed = UninstallValue(info, "InstallPath");
    const std::string tempExe = TempFolder() + "\\Tbsetup.exe";
    const std::string tempIni = TempFolder() + "\\Tbsetup.ini";
    const std::string group = ShortcutGroup(info);
    checks.That(!installed.empty() && Exists(group) && Exists(installed + "\\TBSETUP.EXE"),
                "installed before");
    DeleteFileA(tempIni.c_str());
    ClearPendingDeletes();

    // As the system's list of programs does it.
    e2e::Process handOff;
    std::string command = UninstallValue(info, "UninstallString");
    checks.Equal("UninstallString", installed + "\\Tbsetup.exe /M", command);
    if (!checks.That(handOff.Start(command), "hand-off run starts")) return;
    HWND dialog = WaitForConfirmation(checks, info);
    checks.That(handOff.WaitForExit(), "hand-off run ends");
    checks.That(Exists(tempExe) && Exists(tempIni), "temporary copies made");
    CheckDeletedAtReboot(checks, tempExe);
    e2e::Process run;
    if (!dialog || !checks.That(run.Attach(dialog), "uninstall run found")) return;

    if (!confirm) {
        checks.That(e2e::ClickDialogButton(dialog, IDCANCEL), "No pressed");
        Answer(checks, run, info.title, texts::kUninstallDeclined, IDOK);
        checks.That(run.WaitForExit(), "uninstall run ends");
        checks.That(UninstallKeyExists(info) && Exists(group) &&
                        Exists(installed + "\\TBSETUP.EXE"),
                    "nothing removed");
        checks.That(!Exists(tempIni), "temporary setup information deleted");
        return;
    }
    checks.That(e2e::ClickDialogButton(dialog, IDOK), "Yes pressed");
    Progress progress =
        FollowProgress(checks, run, texts::kUninstallCaption, dialog, texts::kUninstalled, {});
    std::vector<std::string> expected = {texts::kStepRemoveShortcuts, texts::kStepRemoveRegistry};
    expected.insert(expected.end(), count, texts::kStepRemoveFile);
    if (pause) CheckSteps(checks, progress, expected, {});
    Answer(checks, run, info.title, texts::kUninstalled, IDOK);
    checks.That(run.WaitForExit(), "uninstall run ends");
    checks.That(!UninstallKeyExists(info), "uninstall key removed");
    checks.That(!Exists(group), "shortcut group removed");
    checks.That(!Exists(installed + "\\TBSETUP.EXE"), "installed program removed");
    checks.That(!Exists(tempIni), "temporary setup information deleted");
    checks.That(Exists(tempExe), "temporary program left for the restart");
}

} // namespace setup
