// Help scenarios: F1 opens the help file of the system's format, a help file missing at
// start-up leaves F1 without effect, one deleted while running is reported, and the
// version dialog works either way.
#include "tests/e2e/Tbk42Scenarios.h"
#include "tests/e2e/HelpViewer.h"

namespace tbk42 {

namespace {

using e2e::HelpViewer;

const char kHelpMissing[] = "ヘルプファイルが見つかりません。";
const char kAboutTitle[] = "バージョン情報";
const int kAboutCommand = 16;

// Visible help windows of either viewer: Windows Help runs in a process of its own,
// HTML Help in TBK42's.
std::vector<HWND> HelpWindows(App& app) {
    std::vector<HWND> windows = e2e::HelpWindows(HelpViewer::WinHelp);
    for (HWND window : e2e::HelpWindows(HelpViewer::HtmlHelp, app.Id())) windows.push_back(window);
    return windows;
}

void CheckVersionDialog(e2e::Checks& checks, App& app) {
    checks.That(app.Command(kAboutCommand), "version command posted");
    HWND about = e2e::WaitForWindow({app.Id(), "#32770", kAboutTitle, IDOK});
    if (!checks.That(about != nullptr, "version dialog shown")) return;
    checks.That(e2e::ClickDialogButton(about, IDOK), "version dialog OK pressed");
    checks.That(e2e::WaitForClose(about), "version dialog closed");
}

} // namespace

void HelpOpens(e2e::Checks& checks, const Args& args) {
    HelpViewer viewer = e2e::HelpViewerFor(args[1]);
    App app(checks);
    if (!app.Start(args[0])) return;
    checks.That(HelpWindows(app).empty(), "no help window before F1");
    checks.That(app.Keys({VK_F1}), "F1 pressed");
    HWND help = e2e::WaitForHelp(checks, viewer, app.Id());
    app.Exit();
    if (viewer == HelpViewer::WinHelp && help)
        checks.That(e2e::WaitFor(e2e::kDefaultWait,
                                 [&] { return e2e::HelpWindows(HelpViewer::WinHelp).empty(); }),
                    "Windows Help quits with the program");
}

void HelpAbsent(e2e::Checks& checks, const Args& args) {
    App app(checks);
    if (!app.Start(args[0])) return;
    checks.That(app.Keys({VK_F1}), "F1 pressed");
    // Nothing may come of it: wait as long as a help window takes to appear.
    Sleep(3000);
    checks.That(HelpWindows(app).empty(), "F1 opens no help window");
    checks.That(e2e::VisibleWindows(app.Id(), "#32770", "Tuneboard").empty(), "F1 shows no message");
    CheckVersionDialog(checks, app);
    app.Exit();
}

void HelpDeleted(e2e::Checks& checks, const Args& args) {
    App app(checks);
    if (!app.Start(args[0])) return;
    checks.That(GetFileAttributesA(args[1].c_str()) != INVALID_FILE_ATTRIBUTES, "help file there at start");
    checks.That(DeleteFileA(args[1].c_str()) != FALSE, "help file deleted");
    checks.That(app.Keys({VK_F1}), "F1 pressed");
    app.Answer(kHelpMissing);
    checks.That(HelpWindows(app).empty(), "no help window for a deleted file");
    CheckVersionDialog(checks, app);
    app.Exit();
}

} // namespace tbk42
