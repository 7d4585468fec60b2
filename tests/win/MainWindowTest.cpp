// The main window made from the program's resources, run modally as the program runs
// it, and driven the way the system does.
#include "tests/win/MainWindowFixture.h"
#include "tests/win/MenuTestIds.h"
#include "tests/win/TestIds.h"

namespace {

using wintest::Steps;

class MainWindowTest : public wintest::MainWindowFixture {
protected:
    bool ButtonEnabled(int id) const {
        return SendMessageA(window.Toolbar(), TB_ISBUTTONENABLED, id, 0) != 0;
    }
    // The indexes of the visible pages.
    std::vector<int> VisiblePages() const {
        std::vector<int> visible;
        for (int i = 0; i < CDlg_Main::kPageCount; ++i) {
            if (IsWindowVisible(window.Page(i).Handle())) visible.push_back(i);
        }
        return visible;
    }
};

} // namespace

TEST_F(MainWindowTest, StartsOnTheFirstTabWithASendPending) {
    Run({[&] {
        EXPECT_EQ("Varo Corvane K42 チューンボード", wintest::WindowText(window.Handle()));
        EXPECT_TRUE(window.StartupDone());
        EXPECT_TRUE(window.SendPending());
        EXPECT_EQ(ids::kSelectTab, window.CurrentPage());
        EXPECT_EQ(std::vector<int>{ids::kSelectTab}, VisiblePages());
        EXPECT_EQ(6, SendMessageA(window.TabControl(), TCM_GETITEMCOUNT, 0, 0));
    }});
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MainWindowTest, ToolbarHasTenPositionsWithTipsFromTheStringTable) {
    Run({[&] {
        HWND toolbar = window.Toolbar();
        ASSERT_EQ(10, SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
        const int commands[10] = {0,
                                  ids::kLoadButton,
                                  ids::kSaveButton,
                                  0,
                                  ids::kReceiveButton,
                                  ids::kSendButton,
                                  0,
                                  ids::kFactoryButton,
                                  0,
                                  ids::kPrinterButton};
        for (int position = 0; position < 10; ++position) {
            TBBUTTON button = {};
            SendMessageA(toolbar, TB_GETBUTTON, position, reinterpret_cast<LPARAM>(&button));
            bool separator = (button.fsStyle & TBSTYLE_SEP) != 0;
            EXPECT_EQ(commands[position] == 0, separator) << position;
            if (!separator) {
                EXPECT_EQ(commands[position], button.idCommand) << position;
            }
        }
        NMTTDISPINFOA request = {};
        request.hdr.hwndFrom = toolbar;
        request.hdr.idFrom = ids::kPrinterButton;
        request.hdr.code = TTN_GETDISPINFOA;
        SendMessageA(window.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
        EXPECT_EQ("プリンタの選択", std::string(request.lpszText));
        NMTTDISPINFOW wide = {};
        wide.hdr = request.hdr;
        wide.hdr.code = TTN_GETDISPINFOW;
        SendMessageA(window.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&wide));
        EXPECT_EQ(std::wstring(L"\u30D7\u30EA\u30F3\u30BF\u306E\u9078\u629E"), wide.lpszText);
    }});
}

TEST_F(MainWindowTest, StatusBarFirstPartEndsAtThreeFifths) {
    Run({[&] {
        RECT bar;
        GetClientRect(window.StatusBar(), &bar);
        int parts[4] = {};
        ASSERT_EQ(
            2, SendMessageA(window.StatusBar(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(parts)));
        EXPECT_EQ(bar.right / 5 * 3, parts[0]);
        EXPECT_EQ(-1, parts[1]);
    }});
}

TEST_F(MainWindowTest, AcceleratorsAndMenuSwitchPagesWithTheFocusRule) {
    HWND focusAfterCtrl1 = nullptr;
    Run({
        [&] {
            SetForegroundWindow(window.Handle());
            SetFocus(window.TabControl());
        },
        [&] { wintest::PressKey('1', true); },
        [&] {
            EXPECT_EQ(ids::kMsw1Tab, window.CurrentPage());
            EXPECT_EQ(std::vector<int>{ids::kMsw1Tab}, VisiblePages());
            EXPECT_EQ(window.TabControl(), GetFocus()); // stays on the tabs
            SetFocus(window.Page(ids::kMsw1Tab).Handle());
        },
        [&] { wintest::PressKey('P', true); },
        [&] {
            EXPECT_EQ(ids::kParamTab, window.CurrentPage());
            focusAfterCtrl1 = GetFocus();
            EXPECT_TRUE(focusAfterCtrl1 == window.Page(ids::kParamTab).Handle() ||
                        IsChild(window.Page(ids::kParamTab).Handle(), focusAfterCtrl1));
        },
        [&] { wintest::PressKey('4', true); },
        [&] { EXPECT_EQ(ids::kMsw4Tab, window.CurrentPage()); },
        [&] { wintest::PressKey('K', true); },
        [&] { EXPECT_EQ(ids::kSelectTab, window.CurrentPage()); },
        [&] { SendMessageA(window.Handle(), WM_COMMAND, ids::kMsw3PageCommand, 0); },
        [&] { EXPECT_EQ(std::vector<int>{ids::kMsw3Tab}, VisiblePages()); },
    });
}

TEST_F(MainWindowTest, EnterAndEscapeDoNotClose) {
    bool stillThere = false;
    Run({
        [&] {
            SetForegroundWindow(window.Handle());
            SetFocus(window.TabControl());
        },
        [&] { wintest::PressKey(VK_RETURN); },
        [&] { wintest::PressKey(VK_ESCAPE); },
        [&] { stillThere = IsWindow(window.Handle()) && IsWindowVisible(window.Handle()); },
    });
    EXPECT_TRUE(stillThere);
}

TEST_F(MainWindowTest, SystemMenuFollowsTheWindowState) {
    auto greyed = [&](UINT command) {
        return (GetMenuState(GetSystemMenu(window.Handle(), FALSE), command, MF_BYCOMMAND) &
                MF_GRAYED) != 0;
    };
    Run({
        [&] {
            EXPECT_TRUE(greyed(SC_SIZE));
            EXPECT_TRUE(greyed(SC_MAXIMIZE));
            EXPECT_FALSE(greyed(SC_MINIMIZE));
            ShowWindow(window.Handle(), SW_MINIMIZE);
        },
        [&] {
            EXPECT_TRUE(greyed(SC_MINIMIZE));
            EXPECT_FALSE(greyed(SC_RESTORE));
            EXPECT_TRUE(greyed(SC_SIZE));
            EXPECT_TRUE(greyed(SC_MAXIMIZE));
            ShowWindow(window.Handle(), SW_RESTORE);
        },
        [&] { EXPECT_FALSE(greyed(SC_MINIMIZE)); },
    });
}

TEST_F(MainWindowTest, DataCheckFromAPageReadsOnlyEditedControls) {
    Run({[&] {
        // After a successful send nothing is pending and the command is greyed.
        SendMessageA(window.Handle(), WM_COMMAND, ids::kSendCommand, 0);
        ASSERT_FALSE(window.SendPending());
        ASSERT_TRUE(MenuGreyed(ids::kSendCommand));
        ASSERT_FALSE(ButtonEnabled(ids::kSendButton));
        // A switch changed without a notification is no edit: the data check does not
        // read the page again.
        HWND page = window.PageWindow(ids::kMsw2Tab);
        HWND printing = PageItem(ids::kMsw2Tab, ids::kMsw2PaperOutPrinting);
        SendMessageA(PageItem(ids::kMsw2Tab, ids::kMsw2PaperOutAlways), BM_SETCHECK, BST_UNCHECKED,
                     0);
        SendMessageA(printing, BM_SETCHECK, BST_CHECKED, 0);
        SendMessageA(page, WM_COMMAND, ids::kDataCheckCommand, 0);
        EXPECT_TRUE(MenuGreyed(ids::kSendCommand));
        // Its notification makes it an edit; the page sends the data check to itself and
        // the ordinary routing takes it to the main window, which reads the page.
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(ids::kMsw2PaperOutPrinting, BN_CLICKED),
                     reinterpret_cast<LPARAM>(printing));
        EXPECT_FALSE(MenuGreyed(ids::kSendCommand));
        EXPECT_TRUE(ButtonEnabled(ids::kSendButton));
    }});
}

TEST_F(MainWindowTest, HelpIsGreyedWithoutAHelpFile) {
    // The test runner's folder holds no help file.
    Run({[&] { EXPECT_TRUE(MenuGreyed(ids::kHelpCommand)); }});
}

TEST_F(MainWindowTest, CloseBoxAndExitCommandEndTheWindow) {
    // With nothing changed neither asks; a window they leave open ends with kClosedByTest.
    auto endBy = [&](CDlg_Main& main, std::function<void()> close) {
        return wintest::RunInModalLoop([&] { return main.DoModal(nullptr); },
                                       {close, [] {}, [&] { main.End(kClosedByTest); }});
    };
    EXPECT_EQ(IDOK,
              endBy(window, [&] { PostMessageA(window.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }));
    wintest::CountingMain second;
    EXPECT_EQ(IDOK, endBy(second, [&] {
                  PostMessageA(second.Handle(), WM_COMMAND, ids::kExitCommand, 0);
              }));
}

TEST_F(MainWindowTest, MenuAndAcceleratorsAreTheProgramsOwn) {
    struct Item {
        int id; // 0 for a separator
        const char* text;
    };
    const std::vector<std::pair<const char*, std::vector<Item>>> menus = {
        {"ファイル(&F)",
         {{ids::kLoadCommand, "設定ファイルの読み込み(&O)...\tCtrl+O"},
          {ids::kSaveCommand, "設定ファイルへの書き込み(&S)...\tCtrl+S"},
          {0, ""},
          {ids::kReceiveCommand, "設定値をプリンタから受信(&R)\tCtrl+R"},
          {ids::kSendCommand, "設定値をプリンタへ送信(&W)\tCtrl+W"},
          {ids::kFactoryCommand, "工場出荷設定を表示(&I)\tCtrl+I"},
          {0, ""},
          {ids::kChoosePrinterCommand, "プリンタの選択(&C)...\tCtrl+C"},
          {0, ""},
          {ids::kExitCommand, "終了(&X)\tAlt+F4"}}},
        {"メニュー(&M)",
         {{ids::kSelectPageCommand, "機能選択(&K)\tCtrl+K"},
          {ids::kParamPageCommand, "パラメータ設定（&P）\tCtrl+P"},
          {ids::kMsw1PageCommand, "メモリスイッチ１(&1)\tCtrl+1"},
          {ids::kMsw2PageCommand, "メモリスイッチ２(&2)\tCtrl+2"},
          {ids::kMsw3PageCommand, "メモリスイッチ３(&3)\tCtrl+3"},
          {ids::kMsw4PageCommand, "メモリスイッチ４(&4)\tCtrl+4"}}},
        {"ヘルプ(&H)",
         {{ids::kHelpCommand, "ヘルプ目次(&H)\tF1"},
          {0, ""},
          {ids::kAboutCommand, "バージョン情報(&A)..."}}},
    };
    Run({[&] {
        HMENU bar = GetMenu(window.Handle());
        ASSERT_EQ(static_cast<int>(menus.size()), GetMenuItemCount(bar));
        for (int popup = 0; popup < GetMenuItemCount(bar); ++popup) {
            char text[128] = {};
            GetMenuStringA(bar, popup, text, sizeof text, MF_BYPOSITION);
            EXPECT_EQ(menus[popup].first, std::string(text));
            HMENU items = GetSubMenu(bar, popup);
            const std::vector<Item>& expected = menus[popup].second;
            ASSERT_EQ(static_cast<int>(expected.size()), GetMenuItemCount(items));
            for (int position = 0; position < GetMenuItemCount(items); ++position) {
                // The items are owner-drawn: their texts live in the icon menu's
                // records, with blanks before the tab that line the accelerators up.
                EXPECT_EQ(expected[position].text,
                          wintest::WithoutPadding(IconMenu::ItemText(items, position)));
                EXPECT_EQ(static_cast<UINT>(expected[position].id ? expected[position].id : 0),
                          GetMenuItemID(items, position));
            }
        }
    }});
    HACCEL table =
        LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(ids::kAcceleratorTable));
    ACCEL keys[16] = {};
    ASSERT_EQ(13, CopyAcceleratorTableA(table, keys, 16));
    const WORD order[13][2] = {{'1', ids::kMsw1PageCommand},      {'2', ids::kMsw2PageCommand},
                               {'3', ids::kMsw3PageCommand},      {'4', ids::kMsw4PageCommand},
                               {'C', ids::kChoosePrinterCommand}, {'I', ids::kFactoryCommand},
                               {'K', ids::kSelectPageCommand},    {'O', ids::kLoadCommand},
                               {'P', ids::kParamPageCommand},     {'R', ids::kReceiveCommand},
                               {'S', ids::kSaveCommand},          {VK_F1, ids::kHelpCommand},
                               {'W', ids::kSendCommand}};
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(order[i][0], keys[i].key) << i;
        EXPECT_EQ(order[i][1], keys[i].cmd) << i;
        BYTE modifiers = order[i][0] == VK_F1 ? FVIRTKEY : FVIRTKEY | FCONTROL;
        EXPECT_EQ(modifiers, keys[i].fVirt & (FVIRTKEY | FCONTROL | FALT | FSHIFT)) << i;
    }
}

TEST_F(MainWindowTest, ToolbarButtonsRunTheirMenuCommands) {
    // What a command shows: its messages in order, then the number of file dialogs.
    auto shown = [&](int id) {
        ui.messages.clear();
        ui.fileRequests.clear();
        SendMessageA(window.Handle(), WM_COMMAND, id, 0);
        std::vector<std::string> seen;
        for (const wintest::ShownMessage& message : ui.messages)
            seen.push_back(message.text);
        seen.push_back(std::to_string(ui.fileRequests.size()));
        return seen;
    };
    const int pairs[][2] = {{ids::kLoadButton, ids::kLoadCommand},
                            {ids::kSaveButton, ids::kSaveCommand},
                            {ids::kReceiveButton, ids::kReceiveCommand},
                            {ids::kSendButton, ids::kSendCommand},
                            {ids::kFactoryButton, ids::kFactoryCommand}};
    Run({[&] {
        for (const auto& pair : pairs) {
            std::vector<std::string> byMenu = shown(pair[1]);
            EXPECT_NE(std::vector<std::string>{"0"}, byMenu) << pair[0];
            EXPECT_EQ(byMenu, shown(pair[0])) << pair[0];
        }
    }});
}
