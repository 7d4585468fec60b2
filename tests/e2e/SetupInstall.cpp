// Installation scenarios: a whole installation with its steps, messages, shortcuts and
// uninstall key; missing source files; the refused install paths and drives.
#include "tests/e2e/SetupScenarios.h"
#include "tests/e2e/HelpViewer.h"

#include "app/Texts.h"

#include <cstdio>

namespace setup {

namespace {

struct InstallOptions {
    bool pause = true, linkFailures = false, existing = false, noProgramsFolder = false;
    std::string path, help, copyFails, openHelp;
    Args names;
};

InstallOptions ParseInstall(const Args& args) {
    InstallOptions options;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--no-pause")
            options.pause = false;
        else if (args[i] == "--link-failures")
            options.linkFailures = true;
        else if (args[i] == "--existing")
            options.existing = true;
        else if (args[i] == "--no-programs-folder")
            options.noProgramsFolder = true;
        else if (args[i] == "--copy-fails" && i + 1 < args.size())
            options.copyFails = args[++i];
        else if (args[i] == "--path" && i + 1 < args.size())
            options.path = args[++i];
        else if (args[i] == "--open-help" && i + 1 < args.size())
            options.openHelp = args[++i];
        else if (args[i] == "--help" && i + 1 < args.size())
            options.help = args[++i];
        else
            options.names.push_back(args[i]);
    }
    return options;
}

// Fixed pauses taken out for the installer started from here (and the runs it starts).
void WithoutPauses() {
    SetEnvironmentVariableA("TBSETUP_NO_PAUSE", "1");
}

void CheckLink(e2e::Checks& checks, const std::string& file, const std::string& target,
               const std::string& description, const std::string& folder) {
    Link link = ReadLink(file);
    if (!checks.That(link.loaded, ("shortcut " + file + " reads back").c_str())) return;
    checks.Equal("shortcut target", target, link.target);
    checks.Equal("shortcut description", description, link.description);
    checks.Equal("shortcut working folder", folder, link.workingFolder);
}

void CheckLinks(e2e::Checks& checks, const SetupInfo& info, const std::string& path,
                const std::string& help) {
    std::string group = ShortcutGroup(info);
    CheckLink(checks, group + "\\" + info.title + ".LNK", path + "\\" + info.programFile,
              Fill(texts::kProgramShortcutDescription, info.printer), path);
    CheckLink(checks, group + "\\" + texts::kHelpShortcutName + ".LNK", path + "\\" + help,
              Fill(texts::kHelpShortcutDescription, info.printer), path);
}

// Opens a shortcut as the shell opens it (the "open" verb, shown normally).
bool OpenLink(e2e::Checks& checks, const std::string& link, const char* what) {
    SHELLEXECUTEINFOA execute = {};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_FLAG_NO_UI;
    execute.lpVerb = "open";
    execute.lpFile = link.c_str();
    execute.nShow = SW_SHOWNORMAL;
    if (checks.That(ShellExecuteExA(&execute) != FALSE, what)) return true;
    std::fprintf(stderr, "ShellExecuteEx: error %lu\n", GetLastError());
    return false;
}

// The help shortcut, opened as the shell opens it, shows the help in `viewer`.
void CheckHelpLinkOpens(e2e::Checks& checks, e2e::HelpViewer viewer, const std::string& link) {
    checks.That(e2e::HelpWindows(viewer).empty(), "no help window before the help shortcut");
    if (!OpenLink(checks, link, "help shortcut opened")) return;
    if (e2e::WaitForHelp(checks, viewer))
        checks.That(e2e::CloseHelp(viewer), "help from the shortcut closes");
}

// The program shortcut, opened as the shell opens it, starts the installed TBK42: in a
// prefix without printers it says so in its own message box and ends.
void CheckProgramLinkOpens(e2e::Checks& checks, const std::string& link) {
    if (!OpenLink(checks, link, "program shortcut opened")) return;
    e2e::WindowWanted wanted;
    wanted.className = "#32770";
    wanted.title = kMessageTitle;
    wanted.text = true;
    HWND box = e2e::WaitForWindow(wanted);
    if (!checks.That(box != nullptr, "TBK42 from the program shortcut shows its message")) return;
    checks.Equal("TBK42's message without printers", kNoUsablePrinter, e2e::MessageBoxText(box));
    checks.That(e2e::ClickDialogButton(box, IDOK) && e2e::WaitForClose(box),
                "TBK42's message closes");
}

// Yes to the help question shows the installed help file in `viewer`.
void AnswerHelpYes(e2e::Checks& checks, e2e::Process& run, const SetupInfo& info, HWND dialog,
                   e2e::HelpViewer viewer) {
    checks.That(e2e::HelpWindows(viewer).empty(), "no help window before the help question");
    Answer(checks, run, info.title, Fill(texts::kShowHelp, info.title), IDYES, false, dialog);
    if (e2e::WaitForHelp(checks, viewer))
        checks.That(e2e::CloseHelp(viewer), "help from the installer closes");
}

// Nothing of an installation exists for `info` at `path`.
void CheckNothingInstalled(e2e::Checks& checks, const SetupInfo& info, const std::string& path) {
    checks.That(!Exists(path), ("no folder " + path).c_str());
    checks.That(!UninstallKeyExists(info), "no uninstall key");
    checks.That(!Exists(ShortcutGroup(info)), "no shortcut group");
}

// Starts the installer and waits for its folder dialog (null after a failed check).
HWND StartInstaller(e2e::Checks& checks, e2e::Process& run, const std::string& exe,
                    const SetupInfo& info) {
    if (!checks.That(run.Start("\"" + exe + "\""), "TBSetup starts")) return nullptr;
    return WaitForFolderDialog(checks, run, info);
}

// OK with `path` (which does not exist yet), Yes to the folder question and OK to the
// start message.
bool AcceptPath(e2e::Checks& checks, e2e::Process& run, HWND dialog, const SetupInfo& info,
                const std::string& path) {
    checks.That(!Exists(path), "install folder does not exist before");
    return checks.That(ClickOkWith(dialog, path), "OK pressed") &&
           Answer(checks, run, info.title, Fill(texts::kCreateFolder, path), IDYES, true, dialog) &&
           Answer(checks, run, info.title, texts::kStarting, IDOK, true, dialog);
}

// OK with `path` (an earlier installation, so no folder question) and OK to the start
// message.
bool AcceptExistingPath(e2e::Checks& checks, e2e::Process& run, HWND dialog, const SetupInfo& info,
                        const std::string& path) {
    checks.That(Exists(path + "\\TBSETUP.LST"), "earlier installation there before");
    return checks.That(ClickOkWith(dialog, path), "OK pressed") &&
           Answer(checks, run, info.title, texts::kStarting, IDOK, true, dialog);
}

// The failed-copy message naming `name` (as its path's last part), answered.
void AnswerCopyFailed(e2e::Checks& checks, e2e::Process& run, HWND dialog, const SetupInfo& info,
                      const std::string& name) {
    HWND box = run.WaitForDialog(info.title.c_str(), dialog);
    std::string text = e2e::MessageBoxText(box);
    // The uninstall entry was written, so the message says how to remove the rest.
    const std::string format = texts::kCopyFailed + Fill(texts::kIncompleteRemovable, info.title),
                      head = format.substr(0, format.find("%s")),
                      tail = format.substr(format.find("%s") + 2);
    bool framed = text.size() > head.size() + tail.size() &&
                  text.compare(0, head.size(), head) == 0 &&
                  text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
    std::string file =
        framed ? text.substr(head.size(), text.size() - head.size() - tail.size()) : "";
    checks.Equal("failed-copy message", Fill(format.c_str(), "..." + name),
                 framed ? Fill(format.c_str(), "..." + file.substr(file.size() >= name.size()
                                                                       ? file.size() - name.size()
                                                                       : 0))
                        : text);
    checks.That(e2e::MessageBoxHasIcon(box), "failed-copy message: icon");
    e2e::ClickDialogButton(box, IDOK);
    checks.That(e2e::WaitFor(e2e::kDefaultWait, [=] { return !IsWindow(box); }),
                "failed-copy message closes");
}

// The program ends with no further message box (no completion, no help question).
void ExpectEndWithoutMessages(e2e::Checks& checks, e2e::Process& run, HWND dialog) {
    bool ended = e2e::WaitFor(e2e::kDefaultWait, [&] {
        for (HWND box : e2e::VisibleWindows(run.Id(), "#32770")) {
            if (box == dialog) continue;
            checks.Equal("message after the failed installation", "(none)",
                         e2e::MessageBoxText(box));
            e2e::ClickDialogButton(box, IDOK);
        }
        return run.WaitForExit(0);
    });
    checks.That(ended, "TBSetup ends");
}

// The run stops before its first step with `message` (error icon), shown when the
// progress window has closed; the program ends and leaves nothing behind.
void StoppedBeforeCopying(e2e::Checks& checks, e2e::Process& run, HWND dialog,
                          const SetupInfo& info, const std::string& path, const char* message) {
    Progress progress = FollowProgress(checks, run, kInstallCaption, dialog, message, {});
    checks.Equal("steps before the run stopped", 0, static_cast<DWORD>(progress.steps.size()));
    checks.Equal("messages during the run", 0, static_cast<DWORD>(progress.otherBoxes.size()));
    Answer(checks, run, info.title, message, IDOK, true, dialog);
    checks.That(run.WaitForExit(), "TBSetup ends");
    CheckNothingInstalled(checks, info, path);
}

void Cancel(e2e::Checks& checks, e2e::Process& run, HWND dialog) {
    checks.That(e2e::ClickDialogButton(dialog, IDCANCEL), "Cancel pressed");
    checks.That(run.WaitForExit(), "TBSetup ends after Cancel");
}

// After a refusal: controls enabled, the dialog still there.
void CheckRefused(e2e::Checks& checks, HWND dialog, const std::string& what) {
    checks.That(ControlsEnabled(dialog), (what + ": controls enabled again").c_str());
    checks.That(IsWindowVisible(dialog) != FALSE, (what + ": dialog stays").c_str());
}

} // namespace

void Install(e2e::Checks& checks, const Args& args) {
    InstallOptions options = ParseInstall(args);
    if (!options.pause) WithoutPauses();
    SetupInfo info = ReadSetupInfo(args[0]);
    std::string path = options.path.empty() ? DefaultInstallPath(info) : options.path;
    checks.That(!UninstallKeyExists(info), "no uninstall key before");
    if (options.noProgramsFolder)
        checks.That(ShortcutGroup(info).empty(), "no Programs folder in the registry");
    else
        checks.That(!ShortcutGroup(info).empty() && !Exists(ShortcutGroup(info)),
                    "Programs folder known, no shortcut group before");

    e2e::Process run;
    HWND dialog = StartInstaller(checks, run, args[0], info);
    if (!dialog || !(options.existing ? AcceptExistingPath(checks, run, dialog, info, path)
                                      : AcceptPath(checks, run, dialog, info, path)))
        return;
    if (options.noProgramsFolder) {
        StoppedBeforeCopying(checks, run, dialog, info, path, texts::kNoInstallInfo);
        return;
    }
    std::vector<std::string> allowed;
    if (options.linkFailures) allowed.assign(kLinkFailures, kLinkFailures + 4);
    std::string finalText = texts::kInstalled;
    if (!options.copyFails.empty())
        finalText =
            std::string(texts::kCopyFailed).substr(0, std::string(texts::kCopyFailed).find("%s"));
    Progress progress = FollowProgress(checks, run, kInstallCaption, dialog, finalText, allowed);
    if (options.pause) {
        checks.Equal("start percentage", "0％", progress.startPercent);
        checks.Equal("start status", texts::kInstallStart, progress.startStatus);
    }
    std::vector<std::string> expected = {texts::kStepProgram, texts::kStepSetupInfo};
    std::vector<std::string> fileSteps;
    for (const std::string& name : options.names) {
        expected.push_back("");
        fileSteps.push_back(Fill(texts::kStepFile, name));
    }
    expected.insert(expected.end(),
                    {texts::kStepShortcuts, texts::kStepRegistry, texts::kStepDone});
    if (options.pause) {
        CheckSteps(checks, progress, expected, fileSteps);
        // 500 ms for the step before the last and 1000 more before the last.
        const size_t count = progress.steps.size();
        checks.That(count > 2 && LongestShown(progress, count - 2) >= 1480,
                    "a pause of 1000 ms before the last step");
    }
    if (options.linkFailures)
        checks.That(!progress.otherBoxes.empty(), "shortcut failures reported");
    if (!options.copyFails.empty()) {
        AnswerCopyFailed(checks, run, dialog, info, options.copyFails);
        ExpectEndWithoutMessages(checks, run, dialog);
        checks.That(UninstallKeyExists(info), "uninstall key written all the same");
        return;
    }

    Answer(checks, run, info.title, texts::kInstalled, IDOK, true, dialog);
    if (options.openHelp.empty())
        Answer(checks, run, info.title, Fill(texts::kShowHelp, info.title), IDNO, false, dialog);
    else
        AnswerHelpYes(checks, run, info, dialog, e2e::HelpViewerFor(options.openHelp));
    checks.That(run.WaitForExit(), "TBSetup ends");
    checks.That(Exists(path + "\\TBSETUP.EXE"), "TBSETUP.EXE installed");
    checks.That(UninstallKeyExists(info), "uninstall key written");
    if (options.linkFailures) return;
    CheckLinks(checks, info, path, options.help);
    if (options.openHelp.empty()) return;
    CheckHelpLinkOpens(checks, e2e::HelpViewerFor(options.openHelp),
                       ShortcutGroup(info) + "\\" + texts::kHelpShortcutName + ".LNK");
    CheckProgramLinkOpens(checks, ShortcutGroup(info) + "\\" + info.title + ".LNK");
}

void MissingFiles(e2e::Checks& checks, const Args& args) {
    WithoutPauses();
    SetupInfo info = ReadSetupInfo(args[0]);
    std::string path = DefaultInstallPath(info);
    e2e::Process run;
    HWND dialog = StartInstaller(checks, run, args[0], info);
    if (!dialog || !AcceptPath(checks, run, dialog, info, path)) return;
    StoppedBeforeCopying(checks, run, dialog, info, path, texts::kFilesMissing);
}

void Refusals(e2e::Checks& checks, const Args& args) {
    WithoutPauses();
    SetupInfo info = ReadSetupInfo(args[0]);
    const std::string drive = WindowsFolder().substr(0, 1);
    std::string windowsUpper = WindowsFolder();
    CharUpperA(&windowsUpper[0]);
    checks.Equal("drive Q: does not exist", DRIVE_NO_ROOT_DIR, GetDriveTypeA("Q:\\"));
    std::vector<std::string> kinds = {"no such drive",  "drive root",     "drive alone",
                                      "Windows folder", "Windows folder", "system folder",
                                      "Program Files",  "Program Files"};
    std::vector<std::string> paths = {"Q:\\TBK42",
                                      drive + ":\\",
                                      drive + ":",
                                      WindowsFolder(),
                                      windowsUpper,
                                      SystemFolder(),
                                      drive + ":\\Program Files",
                                      drive + ":\\PROGRAM FILES"};
    for (size_t i = 1; i < args.size(); ++i) {
        checks.That(Exists(args[i] + "\\DATA.TXT"), "the foreign folder holds a file");
        kinds.push_back("foreign folder");
        paths.push_back(args[i]);
    }

    e2e::Process run;
    HWND dialog = StartInstaller(checks, run, args[0], info);
    if (!dialog) return;
    for (size_t i = 0; i < paths.size(); ++i) {
        std::string what = std::string(kinds[i]) + " " + paths[i];
        if (!checks.That(ClickOkWith(dialog, paths[i]), (what + ": OK pressed").c_str())) return;
        Answer(checks, run, info.title, texts::kSpecifyFolder, IDOK, true, dialog);
        CheckRefused(checks, dialog, what);
        checks.Equal((what + ": default path back").c_str(), DefaultInstallPath(info),
                     PathText(dialog));
    }

    // Declining the folder question creates nothing.
    std::string fresh = drive + ":\\TBSetup e2e\\New Folder";
    checks.That(!Exists(fresh), "new folder does not exist before");
    if (checks.That(ClickOkWith(dialog, fresh), "declined: OK pressed")) {
        Answer(checks, run, info.title, Fill(texts::kCreateFolder, fresh), IDNO, true, dialog);
        Answer(checks, run, info.title, texts::kSpecifyFolder, IDOK, true, dialog);
        CheckRefused(checks, dialog, "declined folder");
        checks.That(!Exists(fresh) && !Exists(drive + ":\\TBSetup e2e"), "no folder created");
    }
    Cancel(checks, run, dialog);
    CheckNothingInstalled(checks, info, DefaultInstallPath(info));
    for (size_t i = 1; i < args.size(); ++i)
        checks.That(!Exists(args[i] + "\\TBSETUP.EXE"), "nothing copied into the foreign folder");
}

namespace {

DWORD FreeMegabytes(const std::string& root) {
    ULARGE_INTEGER available, total, free;
    if (!GetDiskFreeSpaceExA(root.c_str(), &available, &total, &free)) return 0;
    return static_cast<DWORD>(free.QuadPart >> 20);
}

enum class Outcome { Refused, Accepted, Moved };

// One run with DISK = free megabytes + `more`: Refused when the free-space message came,
// Accepted when the folder question came instead, Moved when the free space changed
// meanwhile and the run tells nothing. The run is ended with Cancel.
Outcome TryDisk(e2e::Checks& checks, const std::string& exe, const std::string& root, DWORD more) {
    SetupInfo info = ReadSetupInfo(exe);
    const std::string path = root + "TBK42";
    DWORD free = FreeMegabytes(root);
    std::string disk = std::to_string(free + more);
    WritePrivateProfileStringA("SetupInformation", "DISK", disk.c_str(), info.file.c_str());
    e2e::Process run;
    HWND dialog = StartInstaller(checks, run, exe, info);
    if (!dialog || !checks.That(ClickOkWith(dialog, path), "OK pressed")) return Outcome::Moved;
    HWND box = run.WaitForDialog(info.title.c_str(), dialog);
    std::string text = e2e::MessageBoxText(box);
    std::string expected =
        more ? Fill(texts::kNoFreeSpace, disk) : Fill(texts::kCreateFolder, path);
    if (text != expected && FreeMegabytes(root) != free) {
        std::printf("free space of %s moved during the run; again\n", root.c_str());
        e2e::ClickDialogButton(box, more ? IDOK : IDNO);
        Cancel(checks, run, dialog);
        return Outcome::Moved;
    }
    if (more) {
        Answer(checks, run, info.title, expected, IDOK, true, dialog);
    } else {
        Answer(checks, run, info.title, expected, IDNO, true, dialog);
        Answer(checks, run, info.title, texts::kSpecifyFolder, IDOK, true, dialog);
    }
    CheckRefused(checks, dialog, "free space " + disk + " MB");
    Cancel(checks, run, dialog);
    checks.That(!Exists(path), "nothing created on the drive");
    return text == Fill(texts::kNoFreeSpace, disk) ? Outcome::Refused : Outcome::Accepted;
}

void TryDiskSteadily(e2e::Checks& checks, const std::string& exe, const std::string& root,
                     DWORD more, Outcome expected, const char* what) {
    Outcome outcome = Outcome::Moved;
    for (int attempt = 0; attempt < 3 && outcome == Outcome::Moved; ++attempt)
        outcome = TryDisk(checks, exe, root, more);
    checks.That(outcome == expected, what);
}

} // namespace

void FreeSpace(e2e::Checks& checks, const Args& args) {
    WithoutPauses();
    checks.That(FreeMegabytes(args[1]) > 0, "free space of the drive known");
    TryDiskSteadily(checks, args[0], args[1], 1, Outcome::Refused,
                    "DISK one megabyte over the free space is refused");
    TryDiskSteadily(checks, args[0], args[1], 0, Outcome::Accepted,
                    "DISK equal to the free space is enough");
}

} // namespace setup
