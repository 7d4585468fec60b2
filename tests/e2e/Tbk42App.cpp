#include "tests/e2e/Tbk42App.h"

#include "app/Texts.h"
#include "settings/PageIds.h"
#include "resources/Tbk42Ids.h"

#include <commctrl.h>
#include <dlgs.h>

namespace tbk42 {

const char kPrinterDialogTitle[] = "プリンタの選択";

const char* StartupMessage() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT ? kNoReadBackOnNt : kPrinterBusy;
}

std::vector<PrinterRow> PrinterRows(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_PRINTER_LIST);
    int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    std::vector<PrinterRow> rows;
    for (int row = 0; row < count; ++row)
        rows.push_back({e2e::ListViewText(list, row, 0), e2e::ListViewText(list, row, 1)});
    return rows;
}

bool SelectPrinter(HWND dialog, const std::string& name) {
    std::vector<PrinterRow> rows = PrinterRows(dialog);
    for (size_t row = 0; row < rows.size(); ++row)
        if (rows[row].name == name)
            return e2e::SelectListViewRow(GetDlgItem(dialog, IDC_PRINTER_LIST),
                                          static_cast<int>(row));
    return false;
}

namespace {

HWND OnlyChild(HWND parent, const char* className) {
    std::vector<HWND> children = e2e::ChildWindows(parent, className);
    return children.size() == 1 ? children[0] : nullptr;
}

} // namespace

bool App::Start(const std::string& exe, const char* startupMessage) {
    if (!checks.That(process.Start("\"" + exe + "\""), "TBK42 starts")) return false;
    if (!startupMessage) return true;
    return Answer(startupMessage) && WaitForMain();
}

bool App::WaitForMain() {
    // Shown once initialised; enabled once no box or dialog of its own is in front.
    main = e2e::WaitForWindow({Id(), kDialogClass, kMainWindowTitle, IDC_TAB});
    return checks.That(main != nullptr && e2e::WaitUntilIdle(main), "main window appears");
}

HWND App::Tabs() const {
    return GetDlgItem(main, IDC_TAB);
}

HWND App::Toolbar() const {
    return OnlyChild(main, TOOLBARCLASSNAMEA);
}

HWND App::StatusBar() const {
    return OnlyChild(main, STATUSCLASSNAMEA);
}

std::vector<HWND> App::Pages() const {
    return e2e::ChildWindows(main, kDialogClass);
}

HWND App::VisiblePage() const {
    HWND visible = nullptr;
    for (HWND page : Pages()) {
        if (!IsWindowVisible(page)) continue;
        if (visible) return nullptr;
        visible = page;
    }
    return visible;
}

HWND App::ShowTab(int index) {
    SendMessageA(Tabs(), TCM_SETCURFOCUS, index, 0);
    checks.Equal("current tab", index,
                 static_cast<DWORD>(SendMessageA(Tabs(), TCM_GETCURSEL, 0, 0)));
    return VisiblePage();
}

bool App::ClickSwitch(HWND page, int id) {
    HWND button = GetDlgItem(page, id);
    // The button is checked before its parent hears of the click: the page has handled
    // it only once its thread is idle again.
    return checks.That(e2e::Click(button) &&
                           e2e::WaitFor(e2e::kDefaultWait,
                                        [button] {
                                            return SendMessageA(button, BM_GETCHECK, 0, 0) ==
                                                   BST_CHECKED;
                                        }) &&
                           e2e::WaitUntilIdle(page),
                       "switch clicked and checked");
}

bool App::ButtonEnabled(int command) const {
    return SendMessageA(Toolbar(), TB_ISBUTTONENABLED, command, 0) != 0;
}

bool App::Keys(const std::vector<WORD>& keys) {
    return checks.That(e2e::PressKeys(main, keys), "keys typed");
}

bool App::Answer(const char* text, int button) {
    return e2e::AnswerMessageBox(checks, Id(), {kMessageTitle, text, button});
}

HWND App::WaitForPrinterDialog() {
    HWND dialog = e2e::WaitForWindow({Id(), kDialogClass, kPrinterDialogTitle, IDC_PRINTER_LIST});
    checks.That(dialog != nullptr, "printer dialog appears");
    return dialog;
}

bool App::ChooseFile(const std::string& path) {
    HWND dialog = e2e::WaitForWindow({Id(), kDialogClass, nullptr, IDOK, false, main});
    if (!checks.That(dialog != nullptr, "file dialog appears")) return false;
    // The explorer-style dialogs name their file-name box cmb13, the older ones edt1.
    HWND name = GetDlgItem(dialog, cmb13);
    if (!name) name = GetDlgItem(dialog, edt1);
    bool typed = SetWindowTextA(name, path.c_str()) && e2e::ClickDialogButton(dialog, IDOK);
    return checks.That(typed && e2e::WaitForClose(dialog), "file chosen in the file dialog");
}

void App::ExpectExit(DWORD exitCode, bool mainMayShow) {
    DWORD actual = 0;
    bool mainSeen = false;
    if (checks.That(process.WaitForExitWatching(e2e::kDefaultWait, &actual, &mainSeen, kDialogClass,
                                                kMainWindowTitle),
                    "TBK42 ends"))
        checks.Equal("exit code", exitCode, actual);
    if (!mainMayShow) checks.That(!mainSeen, "no main window shown");
}

void App::Exit() {
    checks.That(Command(ID_EXIT), "exit command posted");
    ExpectExit(0);
}

} // namespace tbk42
