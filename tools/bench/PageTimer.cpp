// benchpages: in-process timings of TBK42's main window, the real window from the
// program's own resources, with the message boxes answered by the program's seam.
//
//   benchpages.exe RUNS
//
// Prints "sample KEY MICROSECONDS" lines, every measure once per run, the measures of
// a run next to each other:
//   switch.first   the first switch to each page whose window is not made yet, the mean
//                  of the five (first run only: the window is made by that switch)
//   datacheck      one data-check after an edit: a selection change in the parameter
//                  page's first font list (the page with the most controls), the mean
//                  of a batch
//   compare        the 270-byte comparison of two settings blocks alone, likewise
//   switch.ctrl-X  the tab command of Ctrl+X until the shown page has been painted
//   repaint        painting the shown page again, without a switch
#include "app/CDlg_Main.h"
#include "framework/Seam.h"
#include "tools/bench/BenchIds.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Answers every message box with its default (OK, or No to a question) and records an
// exit request instead of ending the process.
class Answers : public framework::Seam {
public:
    int ShowMessage(HWND, const char*, const char*, UINT type) override {
        UINT buttons = type & MB_TYPEMASK;
        return buttons == MB_YESNO || buttons == MB_YESNOCANCEL ? IDNO : IDOK;
    }
    void EndProcess(UINT code) override { exitCode = static_cast<int>(code); }
    int exitCode = -1;
};

struct TabCommand {
    const char* key;
    int command;
    int tab;
};

// Every switch leaves the tab of the one before, ending on the first tab again.
const TabCommand kSwitches[] = {
    {"ctrl-p", benchids::kShowParamPage, CDlg_Main::kParamPage},
    {"ctrl-1", benchids::kShowMsw1Page, CDlg_Main::kMsw1Page},
    {"ctrl-2", benchids::kShowMsw2Page, CDlg_Main::kMsw2Page},
    {"ctrl-3", benchids::kShowMsw3Page, CDlg_Main::kMsw3Page},
    {"ctrl-4", benchids::kShowMsw4Page, CDlg_Main::kMsw4Page},
    {"ctrl-k", benchids::kShowSelectPage, CDlg_Main::kSelectPage},
};

constexpr int kChecksPerSample = 200;
constexpr int kComparesPerSample = 100000;

CDlg_Main* mainWindow = nullptr;
int runs = 0;

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1e6 / frequency.QuadPart;
}

void Print(const char* key, double microseconds) {
    std::printf("sample %s %.3f\n", key, microseconds);
}

void TimeDataCheck(CDlg_Main& window) {
    HWND page = window.PageWindow(CDlg_Main::kParamPage);
    LPARAM list = reinterpret_cast<LPARAM>(GetDlgItem(page, benchids::kParamFont1));
    WPARAM change = MAKEWPARAM(benchids::kParamFont1, CBN_SELCHANGE);
    double start = Now();
    for (int i = 0; i < kChecksPerSample; ++i)
        SendMessageA(page, WM_COMMAND, change, list);
    Print("datacheck", (Now() - start) / kChecksPerSample);
}

void TimeCompare(const CDlg_Main& window) {
    const settings::SettingsBlock* a = &window.WorkingBlock();
    const settings::SettingsBlock* b = &window.PrinterSnapshot();
    int differing = 0;
    double start = Now();
    for (int i = 0; i < kComparesPerSample; ++i) {
        // Tells the compiler the blocks may have changed, so every compare is made.
        asm volatile("" : "+r"(a), "+r"(b) : : "memory");
        differing += *a != *b;
    }
    double elapsed = Now() - start;
    asm volatile("" : : "r"(differing));
    Print("compare", elapsed / kComparesPerSample);
}

void Paint(HWND window, UINT flags) {
    RedrawWindow(window, nullptr, nullptr, flags | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

double Switch(CDlg_Main& window, int command) {
    double start = Now();
    SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
    Paint(window.Handle(), 0);
    return Now() - start;
}

// The first pass over the tabs, which makes the windows of the pages not shown yet.
void TimeFirstSwitches(CDlg_Main& window) {
    double total = 0;
    int made = 0;
    for (const TabCommand& tab : kSwitches) {
        bool making = window.Page(tab.tab).Handle() == nullptr;
        double elapsed = Switch(window, tab.command);
        if (making) total += elapsed, ++made;
    }
    if (made) Print("switch.first", total / made);
}

void TimeSwitches(CDlg_Main& window) {
    char key[32];
    for (const TabCommand& tab : kSwitches) {
        double elapsed = Switch(window, tab.command);
        std::snprintf(key, sizeof key, "switch.%s", tab.key);
        Print(key, elapsed);
        HWND shown = window.Page(window.CurrentPage()).Handle();
        double start = Now();
        Paint(shown, RDW_INVALIDATE | RDW_ERASE);
        Print("repaint", Now() - start);
    }
}

void CALLBACK Measure(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    TimeFirstSwitches(*mainWindow);
    for (int run = 0; run < runs; ++run) {
        TimeDataCheck(*mainWindow);
        TimeCompare(*mainWindow);
        TimeSwitches(*mainWindow);
        std::fflush(stdout);
    }
    mainWindow->End(IDOK);
}

} // namespace

int main(int argc, char** argv) {
    runs = argc == 2 ? std::atoi(argv[1]) : 0;
    if (runs <= 0) {
        std::fprintf(stderr, "usage: benchpages.exe RUNS\n");
        return 2;
    }
    InitCommonControls();
    Answers answers;
    framework::SetUi(&answers);
    CDlg_Main window;
    mainWindow = &window;
    // The first timer message comes once the window's start-up is over and its loop runs.
    SetTimer(nullptr, 0, 10, Measure);
    INT_PTR result = window.DoModal(nullptr);
    framework::SetUi(nullptr);
    if (answers.exitCode >= 0 || result != IDOK) {
        std::fprintf(stderr,
                     "benchpages: the main window did not run (no printer of the model?)\n");
        return 1;
    }
    return 0;
}
