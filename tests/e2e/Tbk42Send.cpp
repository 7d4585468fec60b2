// Send scenarios: one changed switch goes to the printer as one spooler job of the
// settings block; a printer that has gone refuses the send and the choice is offered.
#include "tests/e2e/Tbk42Scenarios.h"

#include "app/Texts.h"
#include "settings/PageIds.h"
#include "resources/Tbk42Ids.h"
#include "settings/FactoryBlock.h"

#include <commctrl.h>
#include <fstream>
#include <iterator>
#include <winspool.h>

namespace tbk42 {

namespace {

const size_t kMsw2Byte = 7;     // first byte of the second memory-switch field
const size_t kTerminator = 262; // "." ends the command; seven 0x00 bytes pad it

std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The factory block with switch 2 of MSW2 cleared: what the printer must receive.
std::string ExpectedJob(e2e::Checks& checks) {
    const auto& factory = settings::FactoryBlock.bytes;
    std::string job(factory.begin(), factory.end());
    checks.Equal("factory MSW2 byte has switch 2", 0x02,
                 static_cast<unsigned char>(job[kMsw2Byte]));
    job[kMsw2Byte] = 0x00;
    return job;
}

void CheckJob(e2e::Checks& checks, const std::string& job) {
    if (!checks.Equal("job size", 270, static_cast<DWORD>(job.size()))) return;
    checks.Equal("job byte 0", 0x1C, static_cast<unsigned char>(job[0]));
    checks.Equal("job terminator", ".", job.substr(kTerminator, 1));
    checks.Equal("job padding", std::string(7, '\0'), job.substr(kTerminator + 1));
    checks.Equal("job MSW2 byte", 0x00, static_cast<unsigned char>(job[kMsw2Byte]));
    checks.Equal("job bytes", ExpectedJob(checks), job);
}

FILETIME LastWrite(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

// Clears switch 2 of MSW2 ("paper out: while printing") on its page.
void ChangeSwitch(e2e::Checks& checks, App& app) {
    HWND page = app.ShowTab(kTabMsw2);
    checks.That(page && GetDlgItem(page, IDC_MSW2_PAPER_OUT_PRINTING), "MSW2 page shown");
    app.ClickSwitch(page, IDC_MSW2_PAPER_OUT_PRINTING);
}

bool DeletePrinterNamed(const char* name) {
    PRINTER_DEFAULTSA defaults = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer = nullptr;
    if (!OpenPrinterA(const_cast<char*>(name), &printer, &defaults)) return false;
    bool deleted = DeletePrinter(printer) != FALSE;
    ClosePrinter(printer);
    return deleted;
}

} // namespace

void Send(e2e::Checks& checks, const Args& args) {
    const std::string& jobs = args[1];
    DeleteFileA(jobs.c_str());
    App app(checks);
    if (!app.Start(args[0])) return;
    ChangeSwitch(checks, app);
    checks.That(app.ButtonEnabled(ID_TB_SEND), "send enabled after the change");
    app.Keys({VK_CONTROL, 'W'});
    app.Answer(kSent);
    // The spooler may finish writing the port's file after the program has closed the job.
    std::string job;
    e2e::WaitFor(e2e::kDefaultWait, [&] { return (job = FileBytes(jobs)).size() >= 270; });
    CheckJob(checks, job);
    checks.That(!app.ButtonEnabled(ID_TB_SEND), "send greyed after sending");

    // Ctrl+W while greyed does nothing. Ctrl+1 behind it shows the MSW1 page only once
    // both keys have been handled, and only if no message box took the keyboard.
    FILETIME written = LastWrite(jobs);
    app.Keys({VK_CONTROL, 'W'});
    app.Keys({VK_CONTROL, '1'});
    checks.That(
        e2e::WaitFor(e2e::kDefaultWait,
                     [&] { return SendMessageA(app.Tabs(), TCM_GETCURSEL, 0, 0) == kTabMsw1; }),
        "keys after the greyed Ctrl+W reach the window");
    checks.That(e2e::VisibleWindows(app.Id(), kDialogClass, kMessageTitle).empty(),
                "greyed Ctrl+W shows nothing");
    FILETIME now = LastWrite(jobs);
    checks.That(CompareFileTime(&written, &now) == 0 && FileBytes(jobs) == job, "no second job");

    // Sent but never saved: quitting asks only to save.
    app.Command(ID_EXIT);
    app.Answer(kExitSaveQuestion, IDNO);
    app.ExpectExit(0);
}

void SendToVanishedPrinter(e2e::Checks& checks, const Args& args) {
    App app(checks);
    if (!app.Start(args[0], nullptr)) return;
    HWND dialog = app.WaitForPrinterDialog();
    checks.That(SelectPrinter(dialog, kModel) && e2e::ClickDialogButton(dialog, IDOK),
                "LPT1: printer chosen");
    if (!app.Answer(kNoReadBackOnNt) || !app.WaitForMain()) return;

    checks.That(DeletePrinterNamed(kModel), "printer deleted behind the program's back");
    ChangeSwitch(checks, app);
    app.Keys({VK_CONTROL, 'W'});
    app.Answer(kPrinterUnusable);
    // The choice of printer follows, with its questions about the unsent change.
    app.Answer(kChangePrinterSendQuestion, IDNO);
    app.Answer(kChangePrinterSaveQuestion, IDNO);
    dialog = app.WaitForPrinterDialog();
    std::vector<PrinterRow> left = {{"K42 Spare", "LPT2:"}};
    checks.That(PrinterRows(dialog) == left, "only the remaining printer listed");
    checks.That(e2e::ClickDialogButton(dialog, IDCANCEL) && e2e::WaitForClose(dialog),
                "printer dialog cancelled");
    checks.That(e2e::StatusBarText(app.StatusBar(), 0).find(kModel) != std::string::npos,
                "cancel keeps the previous printer");

    app.Command(ID_EXIT);
    app.Answer(kExitSendQuestion, IDNO);
    app.Answer(kExitSaveQuestion, IDNO);
    app.ExpectExit(0);
}

} // namespace tbk42
