// Start-up scenarios: the setup information read at every start and its one failure
// message, the command-line switches, and one running copy per program name.
#include "tests/e2e/SetupScenarios.h"

namespace setup {

namespace {

// Waits for the end of `run`; false when it did not end or showed a window meanwhile.
bool EndsShowingNothing(e2e::Checks& checks, e2e::Process& run, const char* what) {
    bool windowSeen = false;
    bool ended = e2e::WaitFor(e2e::kDefaultWait, [&] {
        windowSeen = windowSeen || !e2e::VisibleWindows(run.Id()).empty();
        return run.WaitForExit(0);
    });
    checks.That(ended, (std::string(what) + ": TBSetup ends").c_str());
    checks.That(!windowSeen, (std::string(what) + ": no other window").c_str());
    return ended && !windowSeen;
}

std::string Quoted(const std::string& exe) {
    return "\"" + exe + "\"";
}

} // namespace

void BrokenSetupInfo(e2e::Checks& checks, const Args& args) {
    const std::string caption = args[1] == "title" ? ReadSetupInfo(args[0]).title : "";
    std::string switches;
    for (size_t i = 2; i < args.size(); ++i)
        switches += " " + args[i];
    // What a hand-off run would leave behind.
    const std::string tempExe = TempFolder() + "\\Tbsetup.exe";
    const std::string tempIni = TempFolder() + "\\Tbsetup.ini";
    DeleteFileA(tempExe.c_str());
    DeleteFileA(tempIni.c_str());

    e2e::Process run;
    if (!checks.That(run.Start(Quoted(args[0]) + switches), "TBSetup starts")) return;
    HWND box = run.WaitForDialog(caption.c_str());
    checks.That(box != nullptr, "failure message appears");
    checks.Equal("visible windows with the message", 1,
                 static_cast<DWORD>(e2e::VisibleWindows(run.Id()).size()));
    Answer(checks, run, caption, texts::kSetupInfoBroken, IDOK);
    EndsShowingNothing(checks, run, "after the message");
    checks.That(!Exists(tempExe) && !Exists(tempIni), "no hand-off copies made");
}

void Opens(e2e::Checks& checks, const Args& args) {
    SetupInfo info = ReadSetupInfo(args[0]);
    e2e::Process run;
    if (!checks.That(run.Start(Quoted(args[0])), "TBSetup starts")) return;
    HWND dialog = WaitForFolderDialog(checks, run, info);
    if (!dialog) return;
    checks.That(e2e::ClickDialogButton(dialog, IDCANCEL), "Cancel pressed");
    checks.That(run.WaitForExit(), "TBSetup ends after Cancel");
}

void OtherSwitch(e2e::Checks& checks, const Args& args) {
    e2e::Process run;
    if (!checks.That(run.Start(Quoted(args[0]) + " " + args[1]), "TBSetup starts")) return;
    EndsShowingNothing(checks, run, args[1].c_str());
    checks.That(!UninstallKeyExists(ReadSetupInfo(args[0])), "nothing installed");
}

namespace {

void StartSecondCopy(e2e::Checks& checks, const std::string& exe, const char* what) {
    e2e::Process second;
    if (checks.That(second.Start(Quoted(exe)), what)) EndsShowingNothing(checks, second, what);
}

} // namespace

void SingleInstance(e2e::Checks& checks, const Args& args) {
    SetupInfo info = ReadSetupInfo(args[0]);
    e2e::Process first;
    if (!checks.That(first.Start(Quoted(args[0])), "TBSetup starts")) return;
    HWND dialog = WaitForFolderDialog(checks, first, info);
    if (!dialog) return;
    // Another window in front first, so that bringing the dialog forward is seen.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    checks.That(GetForegroundWindow() != dialog, "another window in front");
    StartSecondCopy(checks, args[0], "second copy");
    checks.That(e2e::WaitFor(e2e::kDefaultWait, [=] { return GetForegroundWindow() == dialog; }),
                "first copy's dialog in the foreground");

    ShowWindow(dialog, SW_MINIMIZE);
    checks.That(e2e::WaitFor(e2e::kDefaultWait, [=] { return IsIconic(dialog) != FALSE; }),
                "first copy minimised");
    StartSecondCopy(checks, args[0], "copy started while minimised");
    checks.That(e2e::WaitFor(e2e::kDefaultWait, [=] { return !IsIconic(dialog); }),
                "first copy restored");
    checks.That(e2e::WaitFor(e2e::kDefaultWait, [=] { return GetForegroundWindow() == dialog; }),
                "first copy's dialog in the foreground again");
    checks.Equal("folder dialogs", 1,
                 static_cast<DWORD>(e2e::VisibleWindows(0, "#32770", info.title.c_str()).size()));
    DestroyWindow(other);
    checks.That(e2e::ClickDialogButton(dialog, IDCANCEL), "Cancel pressed");
    checks.That(first.WaitForExit(), "first copy ends");
}

} // namespace setup
