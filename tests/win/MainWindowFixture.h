#pragma once
// Runs the real main window modally with scripted steps and counts the data-check
// commands that reach it.
#include "app/CDlg_Main.h"
#include "tests/win/SimulatedPort.h"
#include "tests/win/UiScript.h"
#include "tests/win/TestIds.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace wintest {

using Steps = std::vector<std::function<void()>>;

class CountingMain : public CDlg_Main {
public:
    int dataChecks = 0;

protected:
    bool OnCommand(int id, int code, HWND control) override {
        if (id == ids::kDataCheckCommand) ++dataChecks;
        return CDlg_Main::OnCommand(id, code, control);
    }
};

class MainWindowFixture : public testing::Test {
protected:
    MainWindowFixture() { port.refusedOpens = 1 << 20; } // a printer that never answers

    // The result of a run that the window did not end itself.
    static constexpr INT_PTR kClosedByTest = 0x7E57;

    // Runs the main window with `steps`; the messages of its start-up move from
    // ui.messages to startupMessages first, and a last step ends it without the exit
    // questions (result kClosedByTest).
    INT_PTR Run(Steps steps) {
        steps.insert(steps.begin(), [this] {
            startupMessages = ui.messages;
            ui.messages.clear();
        });
        steps.push_back([this] { window.End(kClosedByTest); });
        return RunInModalLoop([this] { return window.DoModal(nullptr); }, steps);
    }

    // A control of a page; the page's window is made (hidden) if it was never shown.
    HWND PageItem(int tab, int id) { return GetDlgItem(window.PageWindow(tab), id); }
    bool Checked(int tab, int id) {
        return SendMessageA(PageItem(tab, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    std::string Text(int tab, int id) { return WindowText(PageItem(tab, id)); }
    // Types `text` into an edit of a page the way the user replaces its contents: the
    // edit has the focus and its text changes.
    void Type(int tab, int id, const char* text) {
        SetFocus(PageItem(tab, id));
        SendMessageA(PageItem(tab, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    bool MenuGreyed(int id) const {
        return (GetMenuState(GetMenu(window.Handle()), id, MF_BYCOMMAND) & MF_GRAYED) != 0;
    }

    RecordingUi ui;
    std::vector<ShownMessage> startupMessages;
    SimulatedPort port;
    PluggedPort plug{port};
    CountingMain window;
};

} // namespace wintest
