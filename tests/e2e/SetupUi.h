// Driving TBSetup from another process: the texts of its dialog templates, and helpers
// that find its windows, answer its message boxes and follow its progress window. Its
// ids and messages are the installer's own (installer/win32/SetupIds.h and Texts.h).
#pragma once
#include "installer/win32/SetupIds.h"
#include "installer/win32/Texts.h"
#include "tests/e2e/Driver.h"

#include <string>
#include <vector>

namespace setup {

// Texts of the dialog templates (resources/tbsetup.rc).
extern const char kOkText[];
extern const char kCancelText[];
extern const char kBrowseText[];
extern const char kHeading[]; // %s: the title
extern const char kInstallCaption[];
extern const char kConfirmCaption[]; // %s: the title, as the two lines
extern const char kConfirmLine1[];
extern const char kConfirmLine2[];
extern const char kYesText[];
extern const char kNoText[];
// The shell-link failures, in English.
extern const char* const kLinkFailures[4];

using e2e::Args;

// `text` with its one "%s" or "%d" replaced by `value`.
std::string Fill(const char* text, const std::string& value);

// The keys of the setup information file beside `exe` (its "exe" replaced by "ini").
struct SetupInfo {
    std::string file, title, printer, installFolder, programFile;
};
SetupInfo ReadSetupInfo(const std::string& exe);

std::string WindowsFolder();
std::string SystemFolder();
// "%c:\Program Files\%s" with the system drive and INSTALL_FOLDER.
std::string DefaultInstallPath(const SetupInfo& info);
bool Exists(const std::string& path);
// The uninstall key of INSTALL_FOLDER exists.
bool UninstallKeyExists(const SetupInfo& info);
// A text value of that key (InstallPath, UninstallString...), empty when missing.
std::string UninstallValue(const SetupInfo& info, const char* name);
// The Start-menu group of the title: "Common Programs" of HKLM, else "Programs" of
// HKU\.DEFAULT, and the title.
std::string ShortcutGroup(const SetupInfo& info);
std::string TempFolder(); // without trailing backslash

// Waits for a message box of `run` (a #32770 titled `caption` other than `except`),
// checks its text, whether it shows an icon, presses `button` and waits until it has
// gone. False when no box came.
bool Answer(e2e::Checks& checks, e2e::Process& run, const std::string& caption,
            const std::string& text, int button, bool icon = true, HWND except = nullptr);

// The folder dialog of `run`: waits for it and checks its caption, texts and edit.
HWND WaitForFolderDialog(e2e::Checks& checks, e2e::Process& run, const SetupInfo& info);
// Types `path` into the install path edit and presses OK.
bool ClickOkWith(HWND dialog, const std::string& path);
// Waits until the four controls are enabled again after a refusal.
bool ControlsEnabled(HWND dialog);
// The install path edit's text.
std::string PathText(HWND dialog);

// One progress step as seen in the progress window while it ran.
struct Step {
    int position;
    std::string percent, status;
    DWORD shownAt;       // tick count when the position was first seen
    DWORD notBefore = 0; // start of the last read that still saw the position before (0: none)
};
struct Progress {
    bool seen = false;
    int range = -1;
    std::string startPercent, startStatus; // as shown at position 0, if seen
    std::vector<Step> steps;
    DWORD sawKnownAt = 0; // start of the last read that saw the latest position (or 0)
    DWORD closedAt = 0;
    std::vector<std::string> otherBoxes; // texts of boxes answered on the way
};
// The longest step `index` can have shown for: from the last read that still saw the
// step before it to the first read that saw the next step (or the window gone). A driver
// held up by a busy machine sees steps late, which widens this bound but never makes it
// shorter than the step really was; ULONG_MAX where no earlier read bounds it.
DWORD LongestShown(const Progress& progress, size_t index);
// Follows the progress window of `run` (caption `caption`) until a message box whose
// text begins with `finalText` appears (left open), or with an empty `finalText` until
// the program ends. Boxes with a text in `allowed` are answered with OK
// and recorded; any other box is a failed check, answered with OK too. Requests to close
// the window (Cancel as from Escape, the close box) are made at the first step; the
// window must ignore them. `ownDialog` is the run's dialog that started the work (the
// folder dialog, or the confirmation, which may still be closing): never taken for a box.
Progress FollowProgress(e2e::Checks& checks, e2e::Process& run, const char* caption, HWND ownDialog,
                        const std::string& finalText, const std::vector<std::string>& allowed);
// Checks the steps of a run with its pauses (without them the steps pass too quickly to
// be seen): `expected` are the status texts in order (an empty text matches any of
// `anyOf`, each used once), the percentages follow position * 100 / range, and every
// step showed for at least 500 ms.
void CheckSteps(e2e::Checks& checks, const Progress& progress,
                const std::vector<std::string>& expected, std::vector<std::string> anyOf);

// Target, description and working folder of a .lnk file read back through IShellLinkA.
struct Link {
    bool loaded = false;
    std::string target, description, workingFolder;
};
Link ReadLink(const std::string& path);

} // namespace setup
