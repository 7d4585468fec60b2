#include "tests/e2e/HelpViewer.h"

#include <cstdio>

namespace e2e {

namespace {

const char kHelpTitle[] = "Varo Corvane K42 チューンボード ヘルプ";
const char kWinHelpClass[] = "MS_WINHELP"; // the main window of Windows Help
const char kHtmlHelpClass[] = "HH Parent"; // the HTML Help window

const char* ClassOf(HelpViewer viewer) {
    return viewer == HelpViewer::WinHelp ? kWinHelpClass : kHtmlHelpClass;
}

} // namespace

HelpViewer HelpViewerFor(const std::string& kind) {
    return kind == "hlp" ? HelpViewer::WinHelp : HelpViewer::HtmlHelp;
}

std::vector<HWND> HelpWindows(HelpViewer viewer, DWORD processId) {
    return VisibleWindows(viewer == HelpViewer::WinHelp ? 0 : processId, ClassOf(viewer));
}

HWND WaitForHelp(Checks& checks, HelpViewer viewer, DWORD processId) {
    HWND help = WaitForWindow(
        {viewer == HelpViewer::WinHelp ? 0 : processId, ClassOf(viewer)});
    if (!checks.That(help != nullptr, viewer == HelpViewer::WinHelp ? "Windows Help window shown"
                                                                    : "HTML Help window shown"))
        return nullptr;
    // The viewer's window can come before the file is loaded into it.
    const std::string title = kHelpTitle;
    bool titled = WaitFor(kDefaultWait,
                          [&] { return WindowText(help).compare(0, title.size(), title) == 0; });
    if (!checks.That(titled, "help window titled from the help file"))
        std::fprintf(stderr, "help window title: %s\n", Readable(WindowText(help)).c_str());
    return titled ? help : nullptr;
}

bool CloseHelp(HelpViewer viewer, DWORD processId) {
    for (HWND window : HelpWindows(viewer, processId)) PostMessageA(window, WM_CLOSE, 0, 0);
    return WaitFor(kDefaultWait, [&] { return HelpWindows(viewer, processId).empty(); });
}

} // namespace e2e
