// The TBK42 scenarios of the e2e driver. Each drives the real program in the prefix it
// runs in and records its failed checks; Args are the command-line values after the
// scenario's name.
#pragma once
#include "tests/e2e/Tbk42App.h"

namespace tbk42 {

// EXE PLATFORM-ID: the main window as first shown, on either Windows family.
void Startup(e2e::Checks& checks, const Args& args);
// EXE COPY-EXE: one running copy per executable name.
void SingleInstance(e2e::Checks& checks, const Args& args);
// EXE: no printer of the model, only a file port, two file ports: message, exit code 1.
void NoPrinter(e2e::Checks& checks, const Args& args);
void OneFilePrinter(e2e::Checks& checks, const Args& args);
void OnlyFilePrinters(e2e::Checks& checks, const Args& args);
// EXE: two printers, one on a file port: the dialog's rows, a refused row, cancel.
void ChoosePrinter(e2e::Checks& checks, const Args& args);
// EXE (Windows 98, the model on LPT1: and "K42 Spare" on LPT2:): choosing the LPT1:
// printer again falls back to the factory settings; another port cannot be read back.
void RechoosePrinter9x(e2e::Checks& checks, const Args& args);
// EXE: Cancel in the first printer dialog ends the program.
void CancelPrinterChoice(e2e::Checks& checks, const Args& args);
// EXE JOBS-FILE: one changed switch sent to the printer whose jobs land in JOBS-FILE.
void Send(e2e::Checks& checks, const Args& args);
// EXE: the chosen printer (the model on LPT1:) disappears before a send; another
// printer on a port that is not FILE: is then offered.
void SendToVanishedPrinter(e2e::Checks& checks, const Args& args);
// EXE FILE: a changed switch saved to FILE.
void Save(e2e::Checks& checks, const Args& args);
// EXE SAVED AFTER-REFUSED REFUSED...: refused files change nothing (AFTER-REFUSED is
// then saved), and SAVED loads.
void Load(e2e::Checks& checks, const Args& args);
// EXE LETTER SECONDS: the menu-bar popup with this mnemonic opens, stays open for
// SECONDS (for a screenshot) and closes again.
void OpenMenu(e2e::Checks& checks, const Args& args);

// EXE hlp|chm: F1 opens the help file in its viewer, titled from the file; Windows Help
// quits when the program ends.
void HelpOpens(e2e::Checks& checks, const Args& args);
// EXE (no help file beside it): F1 does nothing; the version dialog still works.
void HelpAbsent(e2e::Checks& checks, const Args& args);
// EXE HELP-FILE: the help file deleted after the start; F1 says it is missing.
void HelpDeleted(e2e::Checks& checks, const Args& args);

} // namespace tbk42
