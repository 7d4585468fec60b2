#include "app/CDlg_Main.h"

#include "help/HelpFile.h"
#include "app/Texts.h"
#include "framework/Seam.h"
#include "framework/System.h"
#include "resources/ArtIds.h"
#include "resources/Tbk42Ids.h"
#include "settings/FactoryBlock.h"
#include "settings/SettingTexts.h"
#include "text/Cp932.h"
#include "text/Path.h"

#include <commctrl.h>

namespace {

// Process-wide, as long as the program runs: the accelerator table and the tab images.
HACCEL accelerators = nullptr;
HIMAGELIST tabImages = nullptr;

const COLORREF kTabImageMask = RGB(192, 192, 192);
const int kToolTipMaxBytes = 79;

// The images of the tab strip IDB_TABS.
enum TabImage { kSelectImage, kSwitchImage, kParamImage };

HINSTANCE Module() {
    return GetModuleHandleA(nullptr);
}

// The program's icon, big and small alike.
HICON ProgramIconImage() {
    return LoadIconA(Module(), MAKEINTRESOURCEA(IDI_PROGRAM));
}

} // namespace

const CDlg_Main::PageEntry CDlg_Main::kPages[kPageCount] = {
    {kSelectImage, ID_PAGE_SELECT, IDB_MENU_SELECT,
     [](CDlg_Main& window) -> CPage& { return window.pageSelect; }},
    {kParamImage, ID_PAGE_PARAM, IDB_MENU_PARAM,
     [](CDlg_Main& window) -> CPage& { return window.pageParam; }},
    {kSwitchImage, ID_PAGE_MSW1, IDB_MENU_MSW,
     [](CDlg_Main& window) -> CPage& { return window.pageMsw1; }},
    {kSwitchImage, ID_PAGE_MSW2, IDB_MENU_MSW,
     [](CDlg_Main& window) -> CPage& { return window.pageMsw2; }},
    {kSwitchImage, ID_PAGE_MSW3, IDB_MENU_MSW,
     [](CDlg_Main& window) -> CPage& { return window.pageMsw3; }},
    {kSwitchImage, ID_PAGE_MSW4, IDB_MENU_MSW,
     [](CDlg_Main& window) -> CPage& { return window.pageMsw4; }},
};
static_assert(settings::kPageTitles.size() == CDlg_Main::kPageCount, "a title for every tab");

CDlg_Main::CDlg_Main() : Dialog(IDD_MAIN), programIcon(ProgramIconImage(), ProgramIconImage()) {
    if (!accelerators) accelerators = LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(IDR_MAIN));
    AddMessageHook(&menu);
    AddMessageHook(&programIcon);
}

CDlg_Main::~CDlg_Main() {
    RemoveMessageHook(&programIcon);
    RemoveMessageHook(&menu);
}

BOOL CDlg_Main::OnInitDialog() {
    startupDone = false;
    workingBlock = printerSnapshot = fileSnapshot = settings::FactoryBlock;
    EnableSendCommand(false);
    sendPending = true;
    UnpackBlock(workingBlock);
    ChoosePrinter();
    // The window's parts are made once the printer choice is over: the window is not
    // shown before, and the choice's questions come sooner without them. They then show
    // the states and the printer the choice has set.
    LocateHelpFile();
    programIcon.Apply(Handle());
    InstallMenu();
    CreateToolbar();
    EnableCommands();
    CreateStatusBar();
    ShowPrinter();
    CreateTabs();
    ShowWindow(PageWindow(kSelectPage), SW_SHOW);
    pageSelect.UpdateFormatButton();
    startupDone = true;
    AdjustSystemMenu();
    return TRUE;
}

void CDlg_Main::LocateHelpFile() {
    framework::WindowsVersion version = framework::RunningWindows();
    HelpChoice choice = ChooseHelpFile(version.platformId, version.major, version.minor);
    useHtmlHelp = choice.useHtmlHelp;
    bool fits = cp932::CopyBounded(helpPath, sizeof helpPath,
                                   path::FolderOf(framework::ModulePath()) + choice.fileName);
    WIN32_FIND_DATAA found;
    HANDLE search = fits ? FindFirstFileA(helpPath, &found) : INVALID_HANDLE_VALUE;
    helpFound = search != INVALID_HANDLE_VALUE;
    if (helpFound) FindClose(search);
    EnableCommands();
}

void CDlg_Main::CreateStatusBar() {
    statusBar =
        CreateWindowExA(0, STATUSCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE | CCS_BOTTOM, 0, 0, 0,
                        0, Handle(), reinterpret_cast<HMENU>(IDC_STATUSBAR), Module(), nullptr);
    RECT bar;
    GetClientRect(statusBar, &bar);
    int parts[2] = {(bar.right - bar.left) / 5 * 3, -1};
    SendMessageA(statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
}

void CDlg_Main::CreateTabs() {
    HWND tabs = TabControl();
    if (!tabImages) {
        tabImages = ImageList_LoadImageA(Module(), MAKEINTRESOURCEA(IDB_TABS), 16, 1, kTabImageMask,
                                         IMAGE_BITMAP, 0);
    }
    SendMessageA(tabs, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(tabImages));
    for (int index = 0; index < kPageCount; ++index) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = const_cast<char*>(settings::kPageTitles[index]);
        item.iImage = kPages[index].image;
        SendMessageA(tabs, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
    }
}

HWND CDlg_Main::PageWindow(int index) {
    CPage& page = Page(index);
    if (page.Handle()) return page.Handle();
    // Made hidden, above the tab control; the page's initialisation shows its members.
    page.Create(Handle());
    SetWindowPos(page.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return page.Handle();
}

HWND CDlg_Main::TabControl() const {
    return Item(IDC_TAB);
}

int CDlg_Main::CurrentPage() const {
    return static_cast<int>(SendMessageA(TabControl(), TCM_GETCURSEL, 0, 0));
}

CPage& CDlg_Main::Page(int tabIndex) {
    return kPages[tabIndex].object(*this);
}

void CDlg_Main::SelectPage(int index) {
    SendMessageA(TabControl(), TCM_SETCURSEL, index, 0);
    ShowCurrentPage();
}

void CDlg_Main::ShowCurrentPage() {
    int current = CurrentPage();
    if (current < 0 || current >= kPageCount) return;
    HWND shown = PageWindow(current);
    for (int index = 0; index < kPageCount; ++index) {
        if (index != current && Page(index).Handle()) ShowWindow(Page(index).Handle(), SW_HIDE);
    }
    ShowWindow(shown, SW_SHOW);
    if (GetFocus() != TabControl()) SetFocus(shown);
}

void CDlg_Main::PackBlock(settings::SettingsBlock& block) {
    packing = true;
    for (int index = 0; index < kPageCount; ++index) {
        // A refusal's message comes with its page in view: a page whose values would be
        // refused is shown first (and made, if it never was).
        if (Page(index).ValuesRefused() && index != CurrentPage()) SelectPage(index);
        Page(index).StoreToBlock(block);
    }
    packing = false;
}

void CDlg_Main::UnpackBlock(settings::SettingsBlock& block) {
    for (int index = 0; index < kPageCount; ++index)
        Page(index).LoadFromBlock(block);
}

bool CDlg_Main::OnNotify(NMHDR* header, LRESULT& result) {
    result = 0;
    if (header->hwndFrom == TabControl() && header->code == TCN_SELCHANGE) {
        ShowCurrentPage();
        return true;
    }
    return AnswerToolTip(header);
}

bool CDlg_Main::AnswerToolTip(NMHDR* header) {
    if (header->code != TTN_GETDISPINFOA && header->code != TTN_GETDISPINFOW) return false;
    char text[256] = {};
    LoadStringA(Module(), static_cast<UINT>(header->idFrom), text, sizeof text);
    std::string tip = cp932::Truncate(text, kToolTipMaxBytes);
    if (header->code == TTN_GETDISPINFOA) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
        cp932::CopyBounded(info->szText, sizeof info->szText, tip);
        info->lpszText = info->szText;
    } else {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        int written = MultiByteToWideChar(CP_ACP, 0, tip.c_str(), -1, info->szText,
                                          sizeof info->szText / sizeof info->szText[0]);
        if (written == 0) info->szText[0] = L'\0';
        info->lpszText = info->szText;
    }
    return true;
}

bool CDlg_Main::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR&) {
    switch (message) {
    case WM_SIZE:
        SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
        SendMessageA(statusBar, WM_SIZE, wParam, lParam);
        AdjustSystemMenu();
        return false;
    case WM_SYSCOMMAND:
        // Close asks first; the default handling then ends in OnCancel, which does nothing.
        if (wParam == SC_CLOSE) ConfirmExit();
        return false;
    case WM_DESTROY:
        WinHelpA(Handle(), helpPath, HELP_QUIT, 0);
        return false;
    default:
        return false;
    }
}

void CDlg_Main::AdjustSystemMenu() {
    HMENU system = GetSystemMenu(Handle(), FALSE);
    bool minimised = IsIconic(Handle()) != FALSE;
    EnableMenuItem(system, SC_SIZE, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(system, SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(system, SC_RESTORE, MF_BYCOMMAND | (minimised ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(system, SC_MINIMIZE, MF_BYCOMMAND | (minimised ? MF_GRAYED : MF_ENABLED));
}

bool CDlg_Main::PreTranslateMessage(MSG& message) {
    // Every key for the window or anything inside it, page controls included, is
    // offered to the accelerator table first.
    if (message.hwnd != Handle() && !IsChild(Handle(), message.hwnd)) return false;
    return TranslateAcceleratorA(Handle(), accelerators, &message) != 0;
}
