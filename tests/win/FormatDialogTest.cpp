// The format dialog run from the function-selection page's button, driven inside its
// own modal loop.
#include "settings/FactoryBlock.h"
#include "tests/win/MainWindowFixture.h"
#include "tests/win/TestIds.h"

#include <cstring>

namespace {

using wintest::Steps;

class FormatDialogTest : public wintest::MainWindowFixture {
protected:
    HWND Dialog() { return window.SelectPageObject().FormatDialog().Handle(); }
    HWND Control(int id) { return GetDlgItem(Dialog(), id); }
    std::string Text(int id) { return wintest::WindowText(Control(id)); }
    void Type(int id, const char* text) {
        SetFocus(Control(id));
        SendMessageA(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    int Stop(int slider) {
        return static_cast<int>(SendMessageA(Control(slider), TBM_GETPOS, 0, 0));
    }
    void DragSlider(int slider, int stop) {
        SetFocus(Control(slider));
        SendMessageA(Control(slider), TBM_SETPOS, TRUE, stop);
        SendMessageA(Dialog(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, stop),
                     reinterpret_cast<LPARAM>(Control(slider)));
    }
    void ChooseFormat(int index) {
        HWND page = window.Page(ids::kSelectTab).Handle();
        HWND list = GetDlgItem(page, ids::kFormatList);
        SendMessageA(list, CB_SETCURSEL, index, 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(ids::kFormatList, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    // Opens the dialog with a posted click, so the steps after it run in its loop.
    std::function<void()> OpenDialog() {
        return [this] {
            HWND button = GetDlgItem(window.Page(ids::kSelectTab).Handle(), ids::kFormatButton);
            PostMessageA(button, BM_CLICK, 0, 0);
        };
    }
    std::function<void()> Press(int id) {
        return [this, id] { SendMessageA(Control(id), BM_CLICK, 0, 0); };
    }
    std::string Record0() {
        const auto& r = window.SelectPageObject().Values().format0;
        return std::string(r.begin(), r.end());
    }
    std::string Record(int n) {
        const auto& r = window.SelectPageObject().Values().longFormats[n - 1];
        return std::string(r.begin(), r.end());
    }
};

} // namespace

TEST_F(FormatDialogTest, EditAndSliderFollowEachOtherAndOkStoresTheExactValue) {
    Run({OpenDialog(),
         [&] {
             ASSERT_TRUE(IsWindow(Dialog()));
             EXPECT_EQ("書式の設定： 書式０", wintest::WindowText(Dialog()));
             Type(ids::kFormatEditGuide, "25");
             EXPECT_EQ(4, Stop(ids::kFormatSliderGuide));
             DragSlider(ids::kFormatSliderPostcard, 7);
             EXPECT_EQ("54", Text(ids::kFormatEditPostcard));
             DragSlider(ids::kFormatSliderFeeder, 7);
             EXPECT_EQ("46", Text(ids::kFormatEditFeeder));
             Type(ids::kFormatEditFront, "200");
             EXPECT_EQ("170", Text(ids::kFormatEditFront));
             EXPECT_EQ(9, Stop(ids::kFormatSliderFront));
             Type(ids::kFormatLength, "");
             EXPECT_EQ("1", Text(ids::kFormatLength));
         },
         Press(IDOK),
         [&] {
             EXPECT_FALSE(IsWindow(Dialog()));
             EXPECT_EQ("01,170,120,025,046,054,00,00,", Record0());
         }});
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FormatDialogTest, FormatZeroDisablesTheMarginsAndWritesTheShortRecord) {
    Run({OpenDialog(),
         [&] {
             for (int id : {1209, 1201, 1203, 1210, 1211, 1202, 1204, 1212}) {
                 EXPECT_FALSE(IsWindowEnabled(Control(id))) << id;
             }
             EXPECT_EQ("0", Text(ids::kFormatLeft));
             EXPECT_EQ("136", Text(ids::kFormatRight));
         },
         Press(IDOK), [&] { EXPECT_EQ("66,120,120,046,046,054,00,00,", Record0()); }});
}

TEST_F(FormatDialogTest, MarginsInTheWrongOrderAreCorrectedBeforeOk) {
    int checksAfterOk = 0;
    Run({[&] { ChooseFormat(1); }, OpenDialog(),
         [&] {
             EXPECT_TRUE(IsWindowEnabled(Control(ids::kFormatLeft)));
             Type(ids::kFormatLeft, "80");
             Type(ids::kFormatRight, "80");
             window.dataChecks = 0;
         },
         Press(IDOK),
         [&] {
             ASSERT_TRUE(IsWindow(Dialog()));
             EXPECT_EQ("81", Text(ids::kFormatRight));
             EXPECT_EQ(Control(ids::kFormatRight), GetFocus());
             Type(ids::kFormatLeft, "135");
             Type(ids::kFormatRight, "100");
         },
         Press(IDOK), [&] { EXPECT_EQ("136", Text(ids::kFormatRight)); }, Press(IDOK),
         [&] {
             EXPECT_FALSE(IsWindow(Dialog()));
             checksAfterOk = window.dataChecks;
             EXPECT_EQ("66,135,136,120,120,046,046,054,00,00,", Record(1));
         }});
    EXPECT_EQ(1, checksAfterOk);
    ASSERT_EQ(2u, ui.messages.size());
    EXPECT_EQ("ライトマージン幅はレフトマージン幅より大きくしてください。適正値に変更します。",
              ui.messages[0].text);
    EXPECT_EQ("レフトマージン幅／ライトマージン幅", ui.messages[0].caption);
}

// OK takes the load positions before the margins, which the catalogue lists first.
TEST_F(FormatDialogTest, EmptyEditsAreRefusedOnceInTheOrderOkTakesThem) {
    std::string before;
    Run({[&] { ChooseFormat(3); }, OpenDialog(),
         [&] {
             before = Record(3);
             Type(ids::kFormatLeft, "");
             Type(ids::kFormatEditRear, "");
             EXPECT_EQ("", Text(ids::kFormatEditRear));
         },
         Press(IDOK),
         [&] {
             EXPECT_TRUE(IsWindow(Dialog()));
             EXPECT_EQ(Control(ids::kFormatEditRear), GetFocus());
             EXPECT_EQ(before, Record(3));
         },
         Press(IDCANCEL)});
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ("整数を入力してください。", ui.messages[0].text);
}

TEST_F(FormatDialogTest, CancelWritesNothingAndRaisesNothing) {
    std::string before;
    Run({[&] { ChooseFormat(3); }, OpenDialog(),
         [&] {
             EXPECT_EQ("書式の設定： 書式３", wintest::WindowText(Dialog()));
             before = Record(3);
             Type(ids::kFormatLength, "12");
             Type(ids::kFormatCutAdjust, "5");
             window.dataChecks = 0;
         },
         Press(IDCANCEL),
         [&] {
             EXPECT_FALSE(IsWindow(Dialog()));
             EXPECT_EQ(before, Record(3));
             EXPECT_EQ(0, window.dataChecks);
         }});
}

TEST_F(FormatDialogTest, ChoosingAFormatRenamesTheButton) {
    Run({[&] {
        window.dataChecks = 0;
        ChooseFormat(3);
        EXPECT_EQ(1, window.dataChecks);
        HWND button = GetDlgItem(window.Page(ids::kSelectTab).Handle(), ids::kFormatButton);
        EXPECT_EQ("書式３の設定(&D)...", wintest::WindowText(button));
        EXPECT_EQ('3', window.WorkingBlock().At(settings::field::current_format));
    }});
}
