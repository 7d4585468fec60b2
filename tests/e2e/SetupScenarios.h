// The TBSetup scenarios of the e2e driver. Each drives the real installer in the prefix
// it runs in and records its failed checks; Args are the command-line values after the
// scenario's name, the first being the TBSetup.exe to start (its setup information
// file beside it names the title, the folders and the files the checks expect).
#pragma once
#include "tests/e2e/SetupUi.h"

namespace setup {

// EXE [--no-pause] [--path PATH] [--help HELP-FILE] [--link-failures] NAME...: an
// installation with Yes to the folder question into the default path (or PATH); NAME...
// are the files of the source folder tree as listed there, HELP-FILE the help file the
// help shortcut points to. --no-pause: the installer's pauses taken out, its steps then
// pass unseen. --link-failures: the shortcuts cannot be saved (a title too long for a
// folder name), their English failure messages are answered.
// --existing: PATH holds an earlier installation (no folder question). --copy-fails
// NAME: the copy of NAME fails and is named at the end. --no-programs-folder: the
// registry names no Programs folder. --open-help hlp|chm: Yes to the help question and
// both shortcuts opened afterwards; the help must show in Windows Help (hlp) or the HTML
// Help window (chm) each time, the program (with no printer in the prefix) its message.
void Install(e2e::Checks& checks, const Args& args);
// EXE: a source folder without the help file.
void MissingFiles(e2e::Checks& checks, const Args& args);
// EXE FOREIGN-FOLDER...: every path refusal, then Cancel; nothing is copied. Each
// FOREIGN-FOLDER holds DATA.TXT (and perhaps an install record that is not this
// product's own).
void Refusals(e2e::Checks& checks, const Args& args);
// EXE ROOT: DISK one more than the free megabytes of ROOT is refused, DISK equal to them
// is enough. The driver writes DISK into the setup information file.
void FreeSpace(e2e::Checks& checks, const Args& args);
// EXE empty|title [SWITCHES]: broken setup information, the one message (captioned with
// nothing or the title) and nothing else, also with SWITCHES on the command line.
void BrokenSetupInfo(e2e::Checks& checks, const Args& args);
// EXE: the setup information is accepted, the folder dialog opens; Cancel.
void Opens(e2e::Checks& checks, const Args& args);
// EXE SWITCH: a switch other than /M and /U closes the program at once.
void OtherSwitch(e2e::Checks& checks, const Args& args);
// EXE: a second start brings the first copy's folder dialog forward, also minimised.
void SingleInstance(e2e::Checks& checks, const Args& args);
// EXE yes|no COUNT [--no-pause]: the registered UninstallString, confirmed or declined;
// COUNT files are removed with steps (seen unless --no-pause).
void Uninstall(e2e::Checks& checks, const Args& args);

} // namespace setup
