// Driving TBK42 from another process: its start, its main window with tabs, pages,
// toolbar and status bar, its message boxes and its end. Texts are the program's own
// constants (CP932), so a check compares what the user sees byte for byte.
#pragma once
#include "printer/PrinterList.h"
#include "settings/SettingTexts.h"
#include "tests/e2e/Driver.h"

#include <string>
#include <vector>

namespace tbk42 {

// The printer-selection dialog's title, and the model's driver, whose name the test
// prefixes give their printer too.
extern const char kPrinterDialogTitle[];
inline constexpr const char* kModel = printer::kModelDriverName;
const int kPageCount = static_cast<int>(settings::kPageTitles.size());
const int kTabMsw1 = 2;
const int kTabMsw2 = 3;

// The arguments of a scenario: what follows its name on the driver's command line.
using e2e::Args;

// The information every start on this system shows before the main window: on the NT
// family that settings cannot be read back; on the 9x family the read-back runs at once
// and, with no parallel-port driver under Wine, finds the printer busy.
const char* StartupMessage();

// The rows of the printer-selection dialog's list: name and connection.
struct PrinterRow {
    std::string name, connection;
    bool operator==(const PrinterRow& other) const {
        return name == other.name && connection == other.connection;
    }
};
std::vector<PrinterRow> PrinterRows(HWND dialog);
// Selects the row of this printer; false when it is not listed.
bool SelectPrinter(HWND dialog, const std::string& name);

class App {
public:
    explicit App(e2e::Checks& checks) : checks(checks) {}

    // Starts the program; with a start-up message, answers it and waits for the main
    // window. False (and a failed check) when that does not happen.
    bool Start(const std::string& exe, const char* startupMessage = StartupMessage());
    // Waits for the main window of this process (after a start without message).
    bool WaitForMain();
    DWORD Id() { return process.Id(); }
    HWND Main() const { return main; }
    HWND Tabs() const;
    HWND Toolbar() const;
    HWND StatusBar() const;
    // The page dialogs, and the only visible one (null unless exactly one is visible).
    std::vector<HWND> Pages() const;
    HWND VisiblePage() const;
    // Clicks tab `index` the way the tab control reports a click; returns the page shown.
    HWND ShowTab(int index);
    // Clicks a radio button or check box of a page and waits until it is checked.
    bool ClickSwitch(HWND page, int id);
    bool ButtonEnabled(int command) const;
    // Types a key chord into the main window, e.g. {VK_CONTROL, 'W'}.
    bool Keys(const std::vector<WORD>& keys);
    bool Command(int id) { return e2e::PostCommand(main, id); }
    // A message box titled "Tuneboard": checked and answered.
    bool Answer(const char* text, int button = IDOK);
    // The printer-selection dialog, checked by its title; null when it does not come.
    HWND WaitForPrinterDialog();
    // Answers the open or save dialog that the program shows: types `path` (a Windows
    // path) as the file name and presses OK.
    bool ChooseFile(const std::string& path);
    // Waits for the end and checks the exit code and that no main window was shown
    // meanwhile (when `mainMayShow` is false).
    void ExpectExit(DWORD exitCode, bool mainMayShow = true);
    // The exit command with no question expected, then exit code 0.
    void Exit();

private:
    e2e::Checks& checks;
    e2e::Process process;
    HWND main = nullptr;
};

} // namespace tbk42
