// Start-up scenarios: the main window as the user first sees it, and one running copy
// per executable name.
#include "tests/e2e/Tbk42Scenarios.h"

#include "app/Texts.h"
#include "settings/PageIds.h"
#include "resources/Tbk42Ids.h"

#include <commctrl.h>
#include <cstdio>
#include <cstdlib>

namespace tbk42 {

namespace {

// Toolbar positions; 0 is a separator.
const int kToolbarCommands[] = {0,          ID_TB_LOAD, ID_TB_SAVE,    0, ID_TB_RECEIVE,
                                ID_TB_SEND, 0,          ID_TB_FACTORY, 0, ID_TB_PRINTER};
const int kToolbarPositions = sizeof kToolbarCommands / sizeof kToolbarCommands[0];

bool IsNt(DWORD platformId) {
    return platformId == VER_PLATFORM_WIN32_NT;
}

void CheckSystem(e2e::Checks& checks, DWORD platformId) {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    checks.Equal("platform id of the prefix", platformId, version.dwPlatformId);
}

void CheckTabs(e2e::Checks& checks, App& app) {
    HWND tabs = app.Tabs();
    checks.Equal("tab count", kPageCount,
                 static_cast<DWORD>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0)));
    for (int index = 0; index < kPageCount; ++index)
        checks.Equal("tab caption", settings::kPageTitles[index], e2e::TabCaption(tabs, index));
    checks.Equal("current tab", 0, static_cast<DWORD>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0)));
    // The other pages' windows are made when they are first shown.
    checks.Equal("pages made at start-up", 1, static_cast<DWORD>(app.Pages().size()));
    HWND page = app.VisiblePage();
    checks.That(page && GetDlgItem(page, IDC_SELECT_PRESSURE),
                "only the function-selection page is visible");
}

void CheckToolbar(e2e::Checks& checks, App& app, bool nt) {
    HWND toolbar = app.Toolbar();
    checks.Equal("toolbar positions", kToolbarPositions,
                 static_cast<DWORD>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0)));
    for (int position = 0; position < kToolbarPositions; ++position) {
        TBBUTTON button;
        checks.That(e2e::ToolbarButton(toolbar, position, &button), "toolbar button read");
        checks.Equal("toolbar command", kToolbarCommands[position], button.idCommand);
        checks.Equal("toolbar separator", kToolbarCommands[position] == 0,
                     (button.fsStyle & TBSTYLE_SEP) != 0);
    }
    // One printer on LPT1: read back on the 9x family only; no other printer to choose.
    // On NT nothing can be read back, so the send is offered at once. (On the 9x family
    // the send follows the data check that the focus moving into the first page raises.)
    checks.Equal("receive enabled", !nt, app.ButtonEnabled(ID_TB_RECEIVE));
    if (nt) checks.That(app.ButtonEnabled(ID_TB_SEND), "send enabled");
    checks.Equal("choose-printer enabled", false, app.ButtonEnabled(ID_TB_PRINTER));
    for (int command : {ID_TB_LOAD, ID_TB_SAVE, ID_TB_FACTORY})
        checks.Equal("file and factory commands enabled", true, app.ButtonEnabled(command));
}

std::string Format(const char* format, const char* value) {
    char text[256];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void CheckStatusBar(e2e::Checks& checks, App& app) {
    HWND statusBar = app.StatusBar();
    RECT bar = {};
    GetClientRect(statusBar, &bar);
    std::vector<int> parts = e2e::StatusBarParts(statusBar);
    if (checks.Equal("status bar parts", 2, static_cast<DWORD>(parts.size()))) {
        checks.Equal("first part ends at three fifths", bar.right / 5 * 3, parts[0]);
        checks.Equal("second part runs to the edge", static_cast<DWORD>(-1), parts[1]);
    }
    checks.Equal("status printer", Format(kStatusPrinter, kModel),
                 e2e::StatusBarText(statusBar, 0));
    checks.Equal("status connection", Format(kStatusConnection, "LPT1:"),
                 e2e::StatusBarText(statusBar, 1));
}

// Starts a copy expected to find a running one: it ends with 0 and shows nothing.
void StartSecondCopy(e2e::Checks& checks, const std::string& exe) {
    e2e::Process second;
    DWORD exitCode = 1;
    bool windowSeen = false;
    checks.That(second.Start("\"" + exe + "\""), "second copy starts");
    if (checks.That(second.WaitForExitWatching(e2e::kDefaultWait, &exitCode, &windowSeen),
                    "second copy ends"))
        checks.Equal("second copy's exit code", 0, exitCode);
    checks.That(!windowSeen, "second copy shows no window");
}

} // namespace

void Startup(e2e::Checks& checks, const Args& args) {
    DWORD platformId = std::strtoul(args[1].c_str(), nullptr, 10);
    CheckSystem(checks, platformId);
    App app(checks);
    if (!app.Start(args[0])) return;
    std::vector<HWND> windows = e2e::VisibleWindows(app.Id(), kDialogClass);
    checks.Equal("top-level dialogs", 1, static_cast<DWORD>(windows.size()));
    checks.Equal("main window title", kMainWindowTitle, e2e::WindowText(app.Main()));
    CheckTabs(checks, app);
    CheckToolbar(checks, app, IsNt(platformId));
    CheckStatusBar(checks, app);
    app.Exit(); // nothing changed: no question
}

void SingleInstance(e2e::Checks& checks, const Args& args) {
    App first(checks);
    if (!first.Start(args[0])) return;
    HWND main = first.Main();
    ShowWindow(main, SW_MINIMIZE);
    checks.That(IsIconic(main), "first copy minimised");
    StartSecondCopy(checks, args[0]);
    checks.That(e2e::WaitFor(e2e::kDefaultWait, [main] { return !IsIconic(main); }),
                "first copy restored");
    checks.That(e2e::WaitFor(e2e::kDefaultWait, [main] { return GetForegroundWindow() == main; }),
                "first copy in the foreground");
    checks.Equal("main windows", 1,
                 static_cast<DWORD>(e2e::VisibleWindows(0, kDialogClass, kMainWindowTitle).size()));

    // Another file name is another copy, with a window of its own.
    App renamed(checks);
    if (renamed.Start(args[1])) {
        checks.That(renamed.Main() != main, "renamed copy has its own window");
        renamed.Exit();
    }
    first.Exit();

    App next(checks);
    if (next.Start(args[0])) next.Exit();
}

} // namespace tbk42
