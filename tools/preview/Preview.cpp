// Shows one of TBK42's setting pages or dialogs so that it can be looked at (a screenshot
// is taken from outside), and prints every control whose text does not fit its box and
// every pair of controls that overlap.
//
//   preview page N [drop ID]   the main window with tab N (0-5) showing
//   preview dialog ID [drop ID] the bare dialog template ID (182, 152 or 100)
//   preview ... quit           prints the report and ends at once
//
// "drop ID" opens the drop-down list ID. The report goes to standard output; the
// program ends by itself after 60 seconds.
#include "app/CDlg_Main.h"
#include "tools/preview/LayoutReport.h"
#include "tools/preview/SampleDialog.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: preview page N|dialog ID [drop ID] [verbose] [quit]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    InitCommonControls();
    std::string mode = argv[1];
    int number = std::atoi(argv[2]);
    int drop = 0;
    bool quit = false, verbose = false;
    for (int i = 3; i < argc; ++i) {
        if (!std::strcmp(argv[i], "drop") && i + 1 < argc) {
            drop = std::atoi(argv[++i]);
        } else if (!std::strcmp(argv[i], "quit")) {
            quit = true;
        } else if (!std::strcmp(argv[i], "verbose")) {
            verbose = true;
        } else {
            return Usage();
        }
    }

    CDlg_Main mainWindow;
    SampleDialog sample(static_cast<UINT>(number));
    HWND shown;
    HWND inspected;
    if (mode == "page") {
        if (number < 0 || number >= CDlg_Main::kPageCount) return Usage();
        shown = mainWindow.Create(nullptr);
        if (!shown) return 1;
        mainWindow.SelectPage(number);
        inspected = mainWindow.Page(number).Handle();
    } else if (mode == "dialog") {
        shown = inspected = sample.Create(nullptr);
        if (!shown) return 1;
    } else {
        return Usage();
    }
    ShowWindow(shown, SW_SHOWNORMAL);
    UpdateWindow(shown);
    SetForegroundWindow(shown);

    // The report runs once the window has been drawn; the list opens after it, and the
    // program ends by itself after a minute.
    enum { kReport = 1, kDrop, kEnd };
    SetTimer(shown, kReport, 300, nullptr);
    int problems = 0;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == shown) {
            KillTimer(shown, message.wParam);
            if (message.wParam == kReport) {
                problems = ReportLayout(inspected,
                                        mode == "page" ? mainWindow.Page(number).TemplateId()
                                                       : sample.TemplateId(),
                                        verbose);
                std::fflush(stdout);
                if (quit) break;
                SetTimer(shown, kDrop, 300, nullptr);
                SetTimer(shown, kEnd, 60000, nullptr);
            } else if (message.wParam == kDrop && drop) {
                HWND list = GetDlgItem(inspected, drop);
                SetFocus(list);
                SendMessageA(list, CB_SHOWDROPDOWN, TRUE, 0);
            } else if (message.wParam == kEnd) {
                break;
            }
            continue;
        }
        if (IsDialogMessageA(shown, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return problems ? 1 : 0;
}
