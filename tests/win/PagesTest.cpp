// The setting pages inside the real main window: factory settings, carried switch
// bits, the data-check command, and the parameter page's checks while typing.
#include "settings/FactoryBlock.h"
#include "tests/win/MainWindowFixture.h"
#include "tests/win/TestIds.h"

namespace {

using wintest::MainWindowFixture;

class PagesTest : public MainWindowFixture {
protected:
    bool Flagged() { return window.ParamPage().AnyOutOfRange(); }
};

} // namespace

TEST_F(PagesTest, FactorySettingsShowOnEveryPageAndPackBackExactly) {
    Run({[&] {
        window.SelectPage(ids::kMsw3Tab);
        window.ShowFactorySettings();
        EXPECT_EQ(ids::kSelectTab, window.CurrentPage());
        EXPECT_TRUE(Checked(ids::kMsw2Tab, ids::kMsw2PaperOutAlways));   // 常時(&A)
        EXPECT_TRUE(Checked(ids::kMsw4Tab, ids::kMsw4CutTof));           // TOF＋固定長(&P)
        EXPECT_TRUE(Checked(ids::kMsw4Tab, ids::kMsw4DotBidirectional)); // 両方向(&2)
        for (int id : {ids::kMsw1DcEnabled, ids::kMsw1AutoCrLf, ids::kMsw1PrintCrOnly,
                       ids::kMsw1CrReturnOnly})
            EXPECT_TRUE(Checked(ids::kMsw1Tab, id)) << id;
        for (int id : {ids::kMsw2DotsNative, ids::kMsw2ModeHd, ids::kMsw2Data8, ids::kMsw2Width136,
                       ids::kMsw2Bidirectional})
            EXPECT_TRUE(Checked(ids::kMsw2Tab, id)) << id;
        for (int id : {ids::kMsw3LanNo, ids::kMsw3RememberYes, ids::kMsw3LoadEscA,
                       ids::kMsw3CutFeedOff, ids::kMsw3SkipOff})
            EXPECT_TRUE(Checked(ids::kMsw3Tab, id)) << id;
        for (int id :
             {ids::kMsw4EdgeDetect, ids::kMsw4FeederThroughput, ids::kMsw4SpeedNormal,
              ids::kMsw4GuideEjectCommanded, ids::kMsw4FeederEjectCommanded, ids::kMsw4GuideAuto})
            EXPECT_TRUE(Checked(ids::kMsw4Tab, id)) << id;
        EXPECT_FALSE(Checked(ids::kMsw2Tab, ids::kMsw2SlashedZero));
        EXPECT_EQ("日本", Text(ids::kMsw1Tab, ids::kMsw1Country));
        settings::SettingsBlock packed = window.WorkingBlock();
        window.PackBlock(packed);
        EXPECT_TRUE(packed == settings::FactoryBlock);
    }});
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_TRUE(wintest::IsMessage(ui.messages[0], "工場出荷設定値を表示しました。", "Tuneboard",
                                   MB_ICONINFORMATION));
}

TEST_F(PagesTest, SwitchesWithoutControlsSurviveEditsAndPacks) {
    Run({[&] {
        settings::SettingsBlock block = settings::FactoryBlock;
        block.At(settings::field::msw1, 0) |= 0x08; // MSW1-4
        block.At(settings::field::msw2, 0) |= 0x08; // MSW2-4
        block.At(settings::field::msw3, 0) |= 0x02; // MSW3-2
        block.At(settings::field::msw3, 1) |= 0x02; // MSW3-6
        settings::SettingsBlock expected = block;
        window.UnpackBlock(block);
        for (int round = 0; round < 3; ++round) {
            SendMessageA(PageItem(ids::kMsw1Tab, ids::kMsw1DcDisabled), BM_CLICK, 0, 0);
            SendMessageA(PageItem(ids::kMsw1Tab, ids::kMsw1DcEnabled), BM_CLICK, 0, 0);
            SendMessageA(PageItem(ids::kMsw3Tab, ids::kMsw3SlashedZero), BM_CLICK, 0, 0);
            SendMessageA(PageItem(ids::kMsw3Tab, ids::kMsw3SlashedZero), BM_CLICK, 0, 0);
            window.PackBlock(block);
        }
        EXPECT_TRUE(block == expected);
    }});
}

TEST_F(PagesTest, EveryNotificationOfAnOwnControlRaisesOneDataCheck) {
    Run({[&] {
        window.SelectPage(ids::kMsw2Tab);
        SetFocus(PageItem(ids::kMsw2Tab, ids::kMsw2PaperOutAlways));
        window.dataChecks = 0;
        SendMessageA(PageItem(ids::kMsw2Tab, ids::kMsw2PaperOutAlways), BM_CLICK, 0,
                     0); // already selected
        EXPECT_EQ(1, window.dataChecks);
        EXPECT_TRUE(Checked(ids::kMsw2Tab, ids::kMsw2PaperOutAlways));

        // Opening and closing the country list: one data check per notification, no change.
        window.dataChecks = 0;
        HWND list = PageItem(ids::kMsw1Tab, ids::kMsw1Country);
        SendMessageA(window.Page(ids::kMsw1Tab).Handle(), WM_COMMAND,
                     MAKEWPARAM(ids::kMsw1Country, CBN_DROPDOWN), reinterpret_cast<LPARAM>(list));
        SendMessageA(window.Page(ids::kMsw1Tab).Handle(), WM_COMMAND,
                     MAKEWPARAM(ids::kMsw1Country, CBN_CLOSEUP), reinterpret_cast<LPARAM>(list));
        EXPECT_EQ(2, window.dataChecks);
        EXPECT_EQ("日本", Text(ids::kMsw1Tab, ids::kMsw1Country));

        // Statics and group boxes raise nothing; loading the pages raises nothing.
        window.dataChecks = 0;
        settings::SettingsBlock block = settings::FactoryBlock;
        window.UnpackBlock(block);
        EXPECT_EQ(0, window.dataChecks);
    }});
}

TEST_F(PagesTest, ChangedSwitchEnablesTheSendCommandThroughTheComparison) {
    Run({[&] {
        // A successful send clears the pending send: only the comparison decides now.
        SendMessageA(window.Handle(), WM_COMMAND, ids::kSendCommand, 0);
        ASSERT_FALSE(window.SendPending());
        ASSERT_TRUE(MenuGreyed(ids::kSendCommand));
        SendMessageA(PageItem(ids::kMsw2Tab, ids::kMsw2PaperOutPrinting), BM_CLICK, 0, 0);
        EXPECT_FALSE(MenuGreyed(ids::kSendCommand));
        EXPECT_EQ(0x00, window.WorkingBlock().At(settings::field::msw2, 0));
        // Back to what the printer holds: greyed again.
        SendMessageA(PageItem(ids::kMsw2Tab, ids::kMsw2PaperOutAlways), BM_CLICK, 0, 0);
        EXPECT_TRUE(MenuGreyed(ids::kSendCommand));
    }});
}

TEST_F(PagesTest, CentringEditsCorrectOrFlagWhileTyping) {
    Run({[&] {
        window.SelectPage(ids::kParamTab);
        Type(ids::kParamTab, ids::kCentringCutSheet, "5");
        EXPECT_EQ("5", Text(ids::kParamTab, ids::kCentringCutSheet));
        EXPECT_TRUE(Flagged());
        Type(ids::kParamTab, ids::kCentringCutSheet, "50");
        EXPECT_EQ("50", Text(ids::kParamTab, ids::kCentringCutSheet));
        EXPECT_FALSE(Flagged());
        Type(ids::kParamTab, ids::kCentringCutSheet, "7");
        EXPECT_EQ("10", Text(ids::kParamTab, ids::kCentringCutSheet));
        Type(ids::kParamTab, ids::kCentringCutSheet, "69");
        EXPECT_EQ("68", Text(ids::kParamTab, ids::kCentringCutSheet));

        Type(ids::kParamTab, ids::kCentringRear, "3");
        EXPECT_EQ("68", Text(ids::kParamTab, ids::kCentringRear));
        Type(ids::kParamTab, ids::kCentringRear, "1");
        EXPECT_TRUE(Flagged());
        Type(ids::kParamTab, ids::kCentringRear, "12");
        EXPECT_TRUE(Flagged());
        Type(ids::kParamTab, ids::kCentringRear, "120");
        EXPECT_FALSE(Flagged());
        Type(ids::kParamTab, ids::kCentringRear, "127");
        EXPECT_EQ("126", Text(ids::kParamTab, ids::kCentringRear));
        Type(ids::kParamTab, ids::kCentringRear, "00007");
        EXPECT_EQ("7", Text(ids::kParamTab, ids::kCentringRear));
        EXPECT_TRUE(Flagged());
        Type(ids::kParamTab, ids::kCentringRear, "96");

        Type(ids::kParamTab, ids::kFeedTime, "");
        EXPECT_EQ("2", Text(ids::kParamTab, ids::kFeedTime));
        Type(ids::kParamTab, ids::kFeedTime, "9");
        EXPECT_EQ("5", Text(ids::kParamTab, ids::kFeedTime));
        EXPECT_FALSE(Flagged());
    }});
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PagesTest, CheckCentringRangeCorrectsEveryFlaggedEditOnce) {
    Run({[&] {
        window.SelectPage(ids::kParamTab);
        Type(ids::kParamTab, ids::kCentringCutSheet, "5");
        Type(ids::kParamTab, ids::kCentringRear, "12");
        ASSERT_TRUE(Flagged());
        window.ParamPage().CheckCentringRange();
        EXPECT_EQ("10", Text(ids::kParamTab, ids::kCentringCutSheet));
        EXPECT_EQ("68", Text(ids::kParamTab, ids::kCentringRear));
        EXPECT_EQ(PageItem(ids::kParamTab, ids::kCentringRear), GetFocus());
        EXPECT_FALSE(Flagged());
    }});
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_TRUE(wintest::IsMessage(
        ui.messages[0],
        "用紙吸入時ヘッドセンタリング位置の値が設定範囲を超えています。\n適正値に変更します。",
        "パラメータ設定－用紙吸入時ヘッドセンタリング位置", MB_ICONEXCLAMATION));
}

TEST_F(PagesTest, LoadingNeverFlagsAndClearsATypedFlag) {
    Run({[&] {
        window.SelectPage(ids::kParamTab);
        Type(ids::kParamTab, ids::kCentringFront, "5");
        ASSERT_TRUE(Flagged());
        settings::SettingsBlock block = settings::FactoryBlock;
        block.SetText(settings::field::centring_cut_sheet, "05");
        window.UnpackBlock(block);
        EXPECT_FALSE(Flagged());
        EXPECT_EQ("40", Text(ids::kParamTab,
                             ids::kCentringCutSheet)); // out of range in the block: shown as 40
        window.ShowFactorySettings();
        EXPECT_FALSE(Flagged());
    }});
}

// Only the first page has a window at start-up; the others are made when first needed
// and then show what was loaded while they had none.
TEST_F(PagesTest, PagesMadeLaterShowTheValuesLoadedBeforeHand) {
    Run({[&] {
        for (int tab = ids::kParamTab; tab <= ids::kMsw4Tab; ++tab)
            EXPECT_EQ(nullptr, window.Page(tab).Handle()) << tab;
        settings::SettingsBlock block = settings::FactoryBlock;
        block.SetText(settings::field::centring_cut_sheet, "50");
        block.At(settings::field::msw2, 0) = 0x00; // paper out: while printing
        window.UnpackBlock(block);
        window.SelectPage(ids::kParamTab);
        EXPECT_EQ("50", Text(ids::kParamTab, ids::kCentringCutSheet));
        EXPECT_TRUE(Checked(ids::kMsw2Tab, ids::kMsw2PaperOutPrinting));
        settings::SettingsBlock packed = settings::FactoryBlock;
        window.PackBlock(packed);
        EXPECT_TRUE(packed == block);
    }});
}

// No load rule lets the block give a value the parameter page refuses, so the test puts
// one into the members of the page that was never shown, as a load would.
TEST_F(PagesTest, ARefusedValueOnAPageNeverShownShowsThePageWithItsMessage) {
    Run({[&] {
        auto& values = const_cast<settings::ParamPageValues&>(window.ParamPage().Values());
        values.sheetGuideFeedTime = 9;
        SendMessageA(window.Handle(), WM_COMMAND, ids::kDataCheckCommand, 0);
        EXPECT_EQ(ids::kParamTab, window.CurrentPage());
        EXPECT_EQ(PageItem(ids::kParamTab, ids::kFeedTime), GetFocus());
        EXPECT_EQ("9", Text(ids::kParamTab, ids::kFeedTime));
    }});
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ("2 から 5 までの整数を入力してください。", ui.messages[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), ui.messages[0].type & MB_ICONMASK);
}

// A refused edit stays an edit: every data check reads it again and refuses it again
// until it is corrected, with the focus in it each time.
TEST_F(PagesTest, ARefusedEditIsReadAgainAtEveryDataCheckUntilCorrected) {
    Run({[&] {
        window.SelectPage(ids::kParamTab);
        SetFocus(window.TabControl()); // not in the edit: its handler leaves 9 in place
        HWND edit = PageItem(ids::kParamTab, ids::kFeedTime);
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("9"));
        EXPECT_EQ(edit, GetFocus());
        SetFocus(window.TabControl());
        SendMessageA(PageItem(ids::kMsw1Tab, ids::kMsw1DcDisabled), BM_CLICK, 0, 0);
        EXPECT_EQ(edit, GetFocus());
        Type(ids::kParamTab, ids::kFeedTime, "3");
        SendMessageA(PageItem(ids::kMsw1Tab, ids::kMsw1DcEnabled), BM_CLICK, 0, 0);
        EXPECT_EQ('3', window.WorkingBlock().At(settings::field::sheet_guide_feed_time_digit));
    }});
    ASSERT_EQ(2u, ui.messages.size());
    for (const wintest::ShownMessage& message : ui.messages)
        EXPECT_EQ("2 から 5 までの整数を入力してください。", message.text);
}
