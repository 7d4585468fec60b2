// The setting pages inside the real main window: factory settings, carried switch
// bits, the data-check command, and the parameter page's checks while typing.
#include "app/Texts.h"
#include "pages/PageTexts.h"
#include "settings/FactoryBlock.h"
#include "tests/win/MainWindowFixture.h"

namespace {

using wintest::MainWindowFixture;

enum Tab { kSelect = 0, kParam = 1, kMsw1 = 2, kMsw2 = 3, kMsw3 = 4, kMsw4 = 5 };

class PagesTest : public MainWindowFixture {
protected:
    bool Flagged() { return window.ParamPage().AnyOutOfRange(); }
};

} // namespace

TEST_F(PagesTest, FactorySettingsShowOnEveryPageAndPackBackExactly) {
    Run({[&] {
        window.SelectPage(kMsw3);
        window.ShowFactorySettings();
        EXPECT_EQ(kSelect, window.CurrentPage());
        EXPECT_TRUE(Checked(kMsw2, 1018)); // 常時(&A)
        EXPECT_TRUE(Checked(kMsw4, 1236)); // TOF＋固定長(&P)
        EXPECT_TRUE(Checked(kMsw4, 1009)); // 両方向(&2)
        for (int id : {1016, 1008, 1011, 1014})
            EXPECT_TRUE(Checked(kMsw1, id)) << id;
        for (int id : {1019, 1020, 1021, 1022, 1024})
            EXPECT_TRUE(Checked(kMsw2, id)) << id;
        for (int id : {1031, 1027, 1029, 1028, 1030})
            EXPECT_TRUE(Checked(kMsw3, id)) << id;
        for (int id : {1031, 1032, 1035, 1036, 1037, 1039})
            EXPECT_TRUE(Checked(kMsw4, id)) << id;
        EXPECT_FALSE(Checked(kMsw2, 1016));
        EXPECT_EQ("日本", Text(kMsw1, 1010));
        settings::SettingsBlock packed = window.WorkingBlock();
        window.PackBlock(packed);
        EXPECT_TRUE(packed == settings::FactoryBlock);
    }});
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(kFactoryShownMessage, ui.messages[0].text);
    EXPECT_EQ(kMessageTitle, ui.messages[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), ui.messages[0].type & MB_ICONMASK);
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
            SendMessageA(PageItem(kMsw1, 1235), BM_CLICK, 0, 0);
            SendMessageA(PageItem(kMsw1, 1016), BM_CLICK, 0, 0);
            SendMessageA(PageItem(kMsw3, 1026), BM_CLICK, 0, 0);
            SendMessageA(PageItem(kMsw3, 1026), BM_CLICK, 0, 0);
            window.PackBlock(block);
        }
        EXPECT_TRUE(block == expected);
    }});
}

TEST_F(PagesTest, EveryNotificationOfAnOwnControlRaisesOneDataCheck) {
    Run({[&] {
        window.SelectPage(kMsw2);
        SetFocus(PageItem(kMsw2, 1018));
        window.dataChecks = 0;
        SendMessageA(PageItem(kMsw2, 1018), BM_CLICK, 0, 0); // already selected
        EXPECT_EQ(1, window.dataChecks);
        EXPECT_TRUE(Checked(kMsw2, 1018));

        // Opening and closing the country list: one data check per notification, no change.
        window.dataChecks = 0;
        HWND list = PageItem(kMsw1, 1010);
        SendMessageA(window.Page(kMsw1).Handle(), WM_COMMAND, MAKEWPARAM(1010, CBN_DROPDOWN),
                     reinterpret_cast<LPARAM>(list));
        SendMessageA(window.Page(kMsw1).Handle(), WM_COMMAND, MAKEWPARAM(1010, CBN_CLOSEUP),
                     reinterpret_cast<LPARAM>(list));
        EXPECT_EQ(2, window.dataChecks);
        EXPECT_EQ("日本", Text(kMsw1, 1010));

        // Statics and group boxes raise nothing; loading the pages raises nothing.
        window.dataChecks = 0;
        settings::SettingsBlock block = settings::FactoryBlock;
        window.UnpackBlock(block);
        EXPECT_EQ(0, window.dataChecks);
    }});
}

TEST_F(PagesTest, ChangedSwitchEnablesTheSendCommandThroughTheComparison) {
    Run({[&] {
        SendMessageA(PageItem(kMsw2, 1017), BM_CLICK, 0, 0); // 印刷時(&S)
        EXPECT_FALSE(MenuGreyed(ID_SEND));
        EXPECT_EQ(0x00, window.WorkingBlock().At(settings::field::msw2, 0));
    }});
}

TEST_F(PagesTest, CentringEditsCorrectOrFlagWhileTyping) {
    Run({[&] {
        window.SelectPage(kParam);
        Type(kParam, 1061, "5");
        EXPECT_EQ("5", Text(kParam, 1061));
        EXPECT_TRUE(Flagged());
        Type(kParam, 1061, "50");
        EXPECT_EQ("50", Text(kParam, 1061));
        EXPECT_FALSE(Flagged());
        Type(kParam, 1061, "7");
        EXPECT_EQ("10", Text(kParam, 1061));
        Type(kParam, 1061, "69");
        EXPECT_EQ("68", Text(kParam, 1061));

        Type(kParam, 1063, "3");
        EXPECT_EQ("68", Text(kParam, 1063));
        Type(kParam, 1063, "1");
        EXPECT_TRUE(Flagged());
        Type(kParam, 1063, "12");
        EXPECT_TRUE(Flagged());
        Type(kParam, 1063, "120");
        EXPECT_FALSE(Flagged());
        Type(kParam, 1063, "127");
        EXPECT_EQ("126", Text(kParam, 1063));
        Type(kParam, 1063, "00007");
        EXPECT_EQ("7", Text(kParam, 1063));
        EXPECT_TRUE(Flagged());
        Type(kParam, 1063, "96");

        Type(kParam, 1064, "");
        EXPECT_EQ("2", Text(kParam, 1064));
        Type(kParam, 1064, "9");
        EXPECT_EQ("5", Text(kParam, 1064));
        EXPECT_FALSE(Flagged());
    }});
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PagesTest, CheckCentringRangeCorrectsEveryFlaggedEditOnce) {
    Run({[&] {
        window.SelectPage(kParam);
        Type(kParam, 1061, "5");
        Type(kParam, 1063, "12");
        ASSERT_TRUE(Flagged());
        window.ParamPage().CheckCentringRange();
        EXPECT_EQ("10", Text(kParam, 1061));
        EXPECT_EQ("68", Text(kParam, 1063));
        EXPECT_EQ(PageItem(kParam, 1063), GetFocus());
        EXPECT_FALSE(Flagged());
    }});
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(kCentringRangeMessage, ui.messages[0].text);
    EXPECT_EQ(kCentringRangeTitle, ui.messages[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), ui.messages[0].type & MB_ICONMASK);
}

TEST_F(PagesTest, LoadingNeverFlagsAndClearsATypedFlag) {
    Run({[&] {
        window.SelectPage(kParam);
        Type(kParam, 1062, "5");
        ASSERT_TRUE(Flagged());
        settings::SettingsBlock block = settings::FactoryBlock;
        block.SetText(settings::field::centring_cut_sheet, "05");
        window.UnpackBlock(block);
        EXPECT_FALSE(Flagged());
        EXPECT_EQ("40", Text(kParam, 1061)); // out of range in the block: shown as 40
        window.ShowFactorySettings();
        EXPECT_FALSE(Flagged());
    }});
}
