#include "tests/e2e/SetupUi.h"

#include "installer/SetupInfo.h"

#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>

namespace setup {

const char kOkText[] = "OK(&Y)";
const char kCancelText[] = "キャンセル(&N)";
const char kBrowseText[] = "参照(&B)...";
const char kHeading[] = "%sのインストールを行います。\nインストール先を指定してください。";
const char kInstallCaption[] = "インストール中...";
const char kConfirmCaption[] = "%sのアンインストール";
const char kConfirmLine1[] = "%sのアンインストールを行います。";
const char kConfirmLine2[] = "%sをアンインストールしてもよろしいですか？";
const char kYesText[] = "はい(&Y)";
const char kNoText[] = "いいえ(&N)";
const char* const kLinkFailures[4] = {texts::kSetPathFailed, texts::kSetDescriptionFailed,
                                      texts::kSetWorkingDirectoryFailed, texts::kSaveFailed};

namespace {

const UINT kMessageWaitMs = 5000;
const DWORD kProgressWaitMs = 60000; // a whole run with its pauses
const DWORD kStepAtLeastMs = 480;    // a step's pause is 500 ms
const DWORD kProgressPollMs = 5;     // steps last 500 ms; the start only 100 ms

std::string Profile(const std::string& file, const char* key) {
    char value[1024] = "";
    GetPrivateProfileStringA("SetupInformation", key, "", value, sizeof value, file.c_str());
    return value;
}

std::string RegistryText(HKEY root, const char* path, const char* name) {
    HKEY key;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return "";
    char value[1024] = "";
    DWORD size = sizeof value - 1, type = 0;
    LONG result =
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && type == REG_SZ ? value : "";
}

std::string KeyPath(const SetupInfo& info) {
    return installer::UninstallKeyPath(info.installFolder);
}

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageWaitMs,
                             &result))
        return -1;
    return static_cast<LRESULT>(result);
}

std::string Percent(int position, int range) {
    return range > 0 ? std::to_string(position * 100 / range) + "％" : "?";
}

} // namespace

std::string Fill(const char* text, const std::string& value) {
    std::string filled(text);
    size_t at = filled.find("%s");
    if (at == std::string::npos) at = filled.find("%d");
    if (at != std::string::npos) filled.replace(at, 2, value);
    return filled;
}

SetupInfo ReadSetupInfo(const std::string& exe) {
    SetupInfo info;
    info.file = exe.substr(0, exe.size() - 3) + "ini";
    info.title = Profile(info.file, "TITLE_NAME");
    info.printer = Profile(info.file, "PRINTER_NAME");
    info.installFolder = Profile(info.file, "INSTALL_FOLDER");
    info.programFile = Profile(info.file, "TB_FILE");
    return info;
}

std::string WindowsFolder() {
    char path[MAX_PATH] = "";
    GetWindowsDirectoryA(path, sizeof path);
    return path;
}

std::string SystemFolder() {
    char path[MAX_PATH] = "";
    GetSystemDirectoryA(path, sizeof path);
    return path;
}

// On 64-bit Windows the driver, an i686 program like the installer, runs through WOW64
// too: the installer then proposes the folder of 32-bit programs.
std::string DefaultInstallPath(const SetupInfo& info) {
    using IsWow64 = BOOL(WINAPI*)(HANDLE, PBOOL);
    auto isWow64 = reinterpret_cast<IsWow64>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process")));
    BOOL wow64 = FALSE;
    bool x86 = isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
    return WindowsFolder().substr(0, 1) +
           (x86 ? ":\\Program Files (x86)\\" : ":\\Program Files\\") + info.installFolder;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool UninstallKeyExists(const SetupInfo& info) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, KeyPath(info).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::string UninstallValue(const SetupInfo& info, const char* name) {
    return RegistryText(HKEY_LOCAL_MACHINE, KeyPath(info).c_str(), name);
}

std::string ShortcutGroup(const SetupInfo& info) {
    const char folders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    std::string programs = RegistryText(HKEY_LOCAL_MACHINE, folders, "Common Programs");
    if (programs.empty())
        programs =
            RegistryText(HKEY_USERS, (std::string(".DEFAULT\\") + folders).c_str(), "Programs");
    return programs.empty() ? "" : programs + "\\" + info.title;
}

std::string TempFolder() {
    char path[MAX_PATH] = "";
    GetTempPathA(sizeof path, path);
    std::string folder(path);
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder;
}

bool Answer(e2e::Checks& checks, e2e::Process& run, const std::string& caption,
            const std::string& text, int button, bool icon, HWND except) {
    return e2e::AnswerMessageBox(checks, run.Id(), {caption, text, button, icon, except}, false);
}

HWND WaitForFolderDialog(e2e::Checks& checks, e2e::Process& run, const SetupInfo& info) {
    HWND dialog = run.WaitForDialog(info.title.c_str());
    if (!checks.That(dialog != nullptr, "folder dialog appears, captioned with the title"))
        return nullptr;
    e2e::CheckControlTexts(checks, dialog,
                           {{"heading", IDC_HEADING, Fill(kHeading, info.title)},
                            {"install path", IDC_INSTALL_PATH, DefaultInstallPath(info)},
                            {"OK button", IDOK, kOkText},
                            {"Cancel button", IDCANCEL, kCancelText},
                            {"browse button", IDC_BROWSE, kBrowseText}});
    checks.That((GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0,
                "folder dialog is topmost");
    return dialog;
}

bool ClickOkWith(HWND dialog, const std::string& path) {
    HWND edit = GetDlgItem(dialog, IDC_INSTALL_PATH);
    return Send(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str())) == TRUE &&
           PathText(dialog) == path && e2e::ClickDialogButton(dialog, IDOK);
}

bool ControlsEnabled(HWND dialog) {
    return e2e::WaitFor(e2e::kDefaultWait, [=] {
        for (int id : {IDOK, IDCANCEL, IDC_BROWSE, IDC_INSTALL_PATH})
            if (!IsWindowEnabled(GetDlgItem(dialog, id))) return false;
        return true;
    });
}

std::string PathText(HWND dialog) {
    return e2e::ControlText(dialog, IDC_INSTALL_PATH);
}

namespace {

// Reads the progress window once into `progress`: a new position is a new step; texts of
// the current position are read again until it moves on (the worker sets the position
// first, then the percentage and the status). A read during which the position moved
// is dropped: its texts may belong to either step.
void ReadProgress(HWND window, Progress& progress) {
    HWND bar = GetDlgItem(window, IDC_PROGRESS_BAR);
    const DWORD readAt = GetTickCount();
    LRESULT position = Send(bar, PBM_GETPOS);
    const int known = progress.steps.empty() ? 0 : progress.steps.back().position;
    const DWORD sawKnownAt = progress.sawKnownAt; // a new position started after this
    if (position == known) progress.sawKnownAt = readAt;
    LRESULT range = Send(bar, PBM_GETRANGE, FALSE, 0);
    std::string percent = e2e::ControlText(window, IDC_PERCENT);
    std::string status = e2e::ControlText(window, IDC_STATUS);
    if (position < 0 || range < 0 || Send(bar, PBM_GETPOS) != position) return;
    progress.range = static_cast<int>(range);
    if (position == 0) {
        progress.startPercent = percent;
        progress.startStatus = status;
        return;
    }
    if (progress.steps.empty() || progress.steps.back().position != position)
        progress.steps.push_back(
            {static_cast<int>(position), percent, status, GetTickCount(), sawKnownAt});
    else if (!percent.empty() && !status.empty()) // not read from a window going away
        progress.steps.back().percent = percent, progress.steps.back().status = status;
}

} // namespace

Progress FollowProgress(e2e::Checks& checks, e2e::Process& run, const char* caption, HWND ownDialog,
                        const std::string& finalText, const std::vector<std::string>& allowed) {
    Progress progress;
    HWND window = nullptr;
    bool closeRequested = false;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kProgressWaitMs) {
        if (!window) {
            std::vector<HWND> found = e2e::VisibleWindows(run.Id(), "#32770", caption);
            if (!found.empty()) window = found[0], progress.seen = true;
        }
        if (window && IsWindow(window)) {
            ReadProgress(window, progress);
            if (!closeRequested && !progress.steps.empty()) {
                // Escape and the close box while the worker runs.
                PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
                closeRequested = true;
            }
        } else if (window && !progress.closedAt) {
            progress.closedAt = GetTickCount();
        }
        for (HWND box : e2e::VisibleWindows(run.Id(), "#32770")) {
            if (box == window || box == ownDialog) continue;
            if (!window && e2e::WindowText(box) == caption) break; // shown just now
            std::string boxCaption = e2e::WindowText(box), text = e2e::MessageBoxText(box);
            if (!IsWindow(box)) continue; // a box closed just now, gone while it was read
            if (!finalText.empty() && text.compare(0, finalText.size(), finalText) == 0)
                return progress;
            if (std::find(allowed.begin(), allowed.end(), text) == allowed.end())
                checks.Equal("message box during the run", "(none)",
                             "\"" + boxCaption + "\": " + text);
            progress.otherBoxes.push_back(text);
            e2e::ClickDialogButton(box, IDOK);
            e2e::WaitFor(e2e::kDefaultWait, [=] { return !IsWindow(box); });
        }
        if (run.WaitForExit(0)) {
            if (finalText.empty()) return progress;
            break;
        }
        Sleep(kProgressPollMs);
    }
    checks.That(false, finalText.empty()
                           ? "the run ends"
                           : ("message box \"" + finalText + "\" ends the run").c_str());
    return progress;
}

void CheckSteps(e2e::Checks& checks, const Progress& progress,
                const std::vector<std::string>& expected, std::vector<std::string> anyOf) {
    if (!checks.That(progress.seen, "progress window appears")) return;
    const int count = static_cast<int>(expected.size());
    checks.Equal("progress range", count, progress.range);
    checks.Equal("progress steps", count, static_cast<DWORD>(progress.steps.size()));
    for (size_t i = 0; i < progress.steps.size() && i < expected.size(); ++i) {
        const Step& step = progress.steps[i];
        std::string what = "step " + std::to_string(i + 1);
        checks.Equal((what + ": position").c_str(), static_cast<DWORD>(i + 1), step.position);
        checks.Equal((what + ": percentage").c_str(), Percent(step.position, count), step.percent);
        if (!expected[i].empty()) {
            checks.Equal((what + ": status").c_str(), expected[i], step.status);
            continue;
        }
        auto match = std::find(anyOf.begin(), anyOf.end(), step.status);
        if (checks.That(match != anyOf.end(),
                        (what + ": a file step, \"" + step.status + "\"").c_str()))
            anyOf.erase(match);
    }
    if (!progress.steps.empty())
        checks.Equal("last percentage", "100％", progress.steps.back().percent);
    for (const Step& step : progress.steps)
        std::printf("  step %d at %lu ms: %s %s\n", step.position,
                    step.shownAt - progress.steps[0].shownAt, e2e::Readable(step.percent).c_str(),
                    e2e::Readable(step.status).c_str());
    // Each step must have been able to show for 500 ms (a missing pause leaves a few).
    for (size_t i = 0; i < progress.steps.size(); ++i) {
        DWORD longest = LongestShown(progress, i);
        checks.That(longest >= kStepAtLeastMs,
                    ("step " + std::to_string(i + 1) + " shows for 500 ms (at most " +
                     std::to_string(longest) + " ms)")
                        .c_str());
    }
}

DWORD LongestShown(const Progress& progress, size_t index) {
    const Step& step = progress.steps[index];
    DWORD next =
        index + 1 < progress.steps.size() ? progress.steps[index + 1].shownAt : progress.closedAt;
    if (!step.notBefore || !next) return ULONG_MAX;
    return next - step.notBefore;
}

Link ReadLink(const std::string& path) {
    Link link;
    CoInitialize(nullptr);
    IShellLinkA* shellLink = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shellLink)))) {
        IPersistFile* file = nullptr;
        wchar_t wide[MAX_PATH * 2] = L"";
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH * 2);
        if (SUCCEEDED(
                shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
            SUCCEEDED(file->Load(wide, STGM_READ))) {
            char text[1024] = "";
            link.loaded = true;
            if (SUCCEEDED(shellLink->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH)))
                link.target = text;
            text[0] = '\0';
            if (SUCCEEDED(shellLink->GetDescription(text, sizeof text))) link.description = text;
            text[0] = '\0';
            if (SUCCEEDED(shellLink->GetWorkingDirectory(text, MAX_PATH)))
                link.workingFolder = text;
        }
        if (file) file->Release();
        shellLink->Release();
    }
    CoUninitialize();
    return link;
}

} // namespace setup
