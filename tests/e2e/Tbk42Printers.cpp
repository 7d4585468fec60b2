// Printer-selection scenarios at start-up: which printers are offered, and the starts
// that end before the main window is ever shown.
#include "tests/e2e/Tbk42Scenarios.h"

#include "app/Texts.h"
#include "settings/PageIds.h"
#include "resources/Tbk42Ids.h"

#include <commctrl.h>

namespace tbk42 {

namespace {

// The start shows `message` and ends with exit code 1 before any main window.
void RefusedStart(e2e::Checks& checks, const std::string& exe, const char* message) {
    App app(checks);
    if (!app.Start(exe, nullptr)) return;
    app.Answer(message);
    app.ExpectExit(1, false);
}

// The printer dialog at start-up, with no main window shown behind it.
HWND StartupPrinterDialog(e2e::Checks& checks, App& app) {
    HWND dialog = app.WaitForPrinterDialog();
    checks.That(e2e::VisibleWindows(app.Id(), kDialogClass, kMainWindowTitle).empty(),
                "no main window behind the printer dialog");
    return dialog;
}

void CheckListStyle(e2e::Checks& checks, HWND dialog) {
    LONG style = GetWindowLongA(GetDlgItem(dialog, IDC_PRINTER_LIST), GWL_STYLE);
    checks.Equal("list view: report view", LVS_REPORT, style & LVS_TYPEMASK);
    checks.That((style & LVS_SORTASCENDING) != 0, "list view sorts ascending");
    checks.That((style & LVS_SINGLESEL) != 0, "list view selects one row");
}

} // namespace

void NoPrinter(e2e::Checks& checks, const Args& args) {
    RefusedStart(checks, args[0], kNoUsablePrinter);
}

void OneFilePrinter(e2e::Checks& checks, const Args& args) {
    RefusedStart(checks, args[0], kFilePortOnlyRow);
}

void OnlyFilePrinters(e2e::Checks& checks, const Args& args) {
    RefusedStart(checks, args[0], kOnlyFilePorts);
}

void ChoosePrinter(e2e::Checks& checks, const Args& args) {
    App app(checks);
    if (!app.Start(args[0], nullptr)) return;
    HWND dialog = StartupPrinterDialog(checks, app);
    if (!dialog) return;
    CheckListStyle(checks, dialog);
    std::vector<PrinterRow> expected = {{"K42 File", "FILE:"}, {kModel, "LPT1:"}};
    checks.That(PrinterRows(dialog) == expected, "both printers listed, sorted by name");
    HWND list = GetDlgItem(dialog, IDC_PRINTER_LIST);
    checks.Equal("first row selected", 0,
                 static_cast<DWORD>(SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED)));

    // OK on the file port is refused with a notice; the dialog stays.
    checks.That(e2e::ClickDialogButton(dialog, IDOK), "OK pressed on the file port");
    app.Answer(kFilePortChooseOther);
    checks.That(IsWindowVisible(dialog), "printer dialog stays after the refusal");
    // Cancel at start-up ends the program, here with the refused file port as the choice.
    checks.That(e2e::ClickDialogButton(dialog, IDCANCEL), "printer choice cancelled");
    app.ExpectExit(0, false);
}

namespace {

// Chooses `name` in the printer dialog that comes next.
bool ChooseInDialog(e2e::Checks& checks, App& app, const char* name) {
    HWND dialog = app.WaitForPrinterDialog();
    if (!dialog || !checks.That(SelectPrinter(dialog, name), "printer listed")) return false;
    return e2e::ClickDialogButton(dialog, IDOK);
}

} // namespace

void RechoosePrinter9x(e2e::Checks& checks, const Args& args) {
    App app(checks);
    if (!app.Start(args[0], nullptr)) return;
    // At start-up the printer on LPT1: is read back at once; Wine has no port driver.
    if (!ChooseInDialog(checks, app, kModel)) return;
    app.Answer(kPrinterBusy);
    if (!app.WaitForMain()) return;
    checks.That(app.ButtonEnabled(ID_TB_RECEIVE), "receive enabled for LPT1:");
    checks.That(app.ButtonEnabled(ID_TB_PRINTER), "choose-printer enabled for two printers");

    // Chosen again later: the failed read-back falls back to the factory settings.
    app.Keys({VK_CONTROL, 'C'});
    if (!ChooseInDialog(checks, app, kModel)) return;
    app.Answer(kPrinterBusy);
    app.Answer(kFactoryShownMessage);
    checks.That(app.ButtonEnabled(ID_TB_SEND), "send enabled after the fallback");

    // A printer on another port cannot be read back.
    app.Keys({VK_CONTROL, 'C'});
    if (!ChooseInDialog(checks, app, "K42 Spare")) return;
    app.Answer(kNoReadBackOnThisPort);
    app.Answer(kFactoryShownMessage);
    checks.That(!app.ButtonEnabled(ID_TB_RECEIVE), "receive greyed for LPT2:");
    checks.That(app.ButtonEnabled(ID_TB_SEND), "send enabled for LPT2:");
    app.Exit();
}

void CancelPrinterChoice(e2e::Checks& checks, const Args& args) {
    App app(checks);
    if (!app.Start(args[0], nullptr)) return;
    checks.That(e2e::ClickDialogButton(StartupPrinterDialog(checks, app), IDCANCEL),
                "printer choice cancelled");
    app.ExpectExit(0, false);
}

} // namespace tbk42
