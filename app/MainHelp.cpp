// The main window's help commands: the help file in the viewer chosen at start-up, and
// the version information.
#include "app/CDlg_About.h"
#include "app/CDlg_Main.h"
#include "app/Messages.h"
#include "app/Texts.h"
#include "framework/Seam.h"
#include "framework/System.h"

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
const UINT kHtmlHelpDisplayTopic = 0; // HH_DISPLAY_TOPIC

// The HTML Help control is loaded on first use; when it or its function is missing,
// this and every later call in the run fail.
HWND CallHtmlHelp(const char* file) {
    static bool tried = false;
    static HtmlHelpFunction htmlHelp = nullptr;
    if (!tried) {
        tried = true;
        HMODULE control = framework::LoadSystemLibrary("hhctrl.ocx");
        if (control) {
            htmlHelp = reinterpret_cast<HtmlHelpFunction>(
                reinterpret_cast<void*>(GetProcAddress(control, "HtmlHelpA")));
        }
    }
    return htmlHelp ? htmlHelp(nullptr, file, kHtmlHelpDisplayTopic, 0) : nullptr;
}

// Windows Help answers success for a file that has gone since start-up (the viewer then
// reports it in its own words), so the file is looked for again before either viewer.
bool HelpFileThere(const char* path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

} // namespace

void CDlg_Main::ShowHelp() {
    bool shown = HelpFileThere(helpPath) &&
                 (useHtmlHelp ? CallHtmlHelp(helpPath) != nullptr
                              : WinHelpA(nullptr, helpPath, HELP_FINDER, 0) != FALSE);
    if (!shown) {
        message::Tell(Handle(), message::kNoHelp);
    }
}

void CDlg_Main::ShowAbout() {
    CDlg_About about;
    about.DoModal(Handle());
}
