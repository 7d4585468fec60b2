// The chain from UTF-8 sources through windres and the CP932 ANSI API: texts read
// back from real windows made from the program's resources are byte-exact CP932.
#include "framework/Dialog.h"
#include "tests/win/TestIds.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string WindowText(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ListItemText(HWND list, int index) {
    char text[256] = {};
    SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

const char* const kCountries[] = {"日本", "アメリカ", "イギリス", "ドイツ", "スウェーデン"};

class CountryPage : public framework::Dialog {
public:
    CountryPage() : Dialog(ids::kMsw1Template) {}

protected:
    const framework::ListItems* InitialLists(std::size_t& count) const override {
        static const framework::ListItems lists[] = {{ids::kMsw1Country, kCountries, 5}};
        count = 1;
        return lists;
    }
};

// Records the commands that reach it from its child pages.
class RecordingWindow : public framework::Dialog {
public:
    RecordingWindow() : Dialog(ids::kMainTemplate) {}
    int lastCommand = 0;

protected:
    bool OnCommand(int id, int code, HWND control) override {
        if (id == ids::kDataCheckCommand) {
            lastCommand = id;
            return true;
        }
        return Dialog::OnCommand(id, code, control);
    }
};

} // namespace

TEST(ResourceChain, MainWindowCaptionAndMenuAreCp932) {
    RecordingWindow main;
    ASSERT_NE(nullptr, main.Create(nullptr));
    EXPECT_EQ("Varo Corvane K42 チューンボード", WindowText(main.Handle()));
    EXPECT_EQ(
        std::string("Varo Corvane K42 \x83\x60\x83\x85\x81\x5B\x83\x93\x83\x7B\x81\x5B\x83\x68"),
        WindowText(main.Handle()));

    char item[128] = {};
    GetMenuStringA(GetMenu(main.Handle()), ids::kLoadCommand, item, sizeof item, MF_BYCOMMAND);
    EXPECT_EQ("設定ファイルの読み込み(&O)...\tCtrl+O", std::string(item));
    char tip[128] = {};
    LoadStringA(GetModuleHandleA(nullptr), ids::kDataCheckCommand, tip, sizeof tip);
    EXPECT_EQ("データチェック用コマンド", std::string(tip));
}

TEST(ResourceChain, PageListItemsAndCommandRouting) {
    RecordingWindow main;
    ASSERT_NE(nullptr, main.Create(nullptr));
    CountryPage page;
    ASSERT_NE(nullptr, page.Create(main.Handle()));

    HWND list = page.Item(ids::kMsw1Country);
    ASSERT_EQ(5, SendMessageA(list, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(std::string("\x93\xFA\x96\x7B"), ListItemText(list, 0)); // 日本
    EXPECT_EQ("スウェーデン", ListItemText(list, 4));

    // A command the page does not handle reaches the main window.
    SendMessageA(page.Handle(), WM_COMMAND, ids::kDataCheckCommand, 0);
    EXPECT_EQ(ids::kDataCheckCommand, main.lastCommand);
}
