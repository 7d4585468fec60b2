#include "settings/FactoryBlock.h"
#include "settings/MswPageValues.h"
#include "settings/ParamPageValues.h"
#include "settings/SelectPageValues.h"

#include <gtest/gtest.h>

#include <vector>

using namespace settings;

namespace {

// All six pages, loaded and stored in the main window's order.
struct Pages {
    SelectPageValues select;
    ParamPageValues param;
    std::array<MswPageValues, kMswCount> msw{MswPageValues(1), MswPageValues(2), MswPageValues(3),
                                             MswPageValues(4)};

    void Unpack(SettingsBlock& block) {
        LoadSelectPage(block, select);
        LoadParamPage(block, param);
        for (int n = 1; n <= kMswCount; ++n)
            ASSERT_TRUE(LoadMswPage(n, block, msw[n - 1]));
    }
    void Pack(SettingsBlock& block) const {
        StoreSelectPage(select, block);
        StoreParamPage(param, block);
        for (int n = 1; n <= kMswCount; ++n)
            ASSERT_TRUE(StoreMswPage(n, msw[n - 1], block));
    }
};

SettingsBlock RoundTrip(SettingsBlock block) {
    Pages pages;
    pages.Unpack(block);
    pages.Pack(block);
    return block;
}

SettingsBlock WithText(Field f, const std::string& text) {
    SettingsBlock block = FactoryBlock;
    block.SetText(f, text);
    return block;
}

} // namespace

TEST(SettingsPages, FactoryBlockUnpacksAndPacksToItself) {
    SettingsBlock block = FactoryBlock;
    Pages pages;
    pages.Unpack(block);
    EXPECT_EQ(FactoryBlock, block);

    EXPECT_EQ("日本", pages.msw[0].country);
    EXPECT_EQ(1, pages.msw[1].switches[1]); // MSW2-2 "常時"
    EXPECT_EQ(1, pages.msw[3].switches[2]); // MSW4-3
    EXPECT_EQ(1, pages.msw[3].switches[3]); // MSW4-4
    EXPECT_EQ(0, pages.msw[3].switches[0]);
    EXPECT_EQ("標準", pages.param.font1);
    EXPECT_EQ("JIS1978年版", pages.param.kanjiTable);
    EXPECT_EQ(40, pages.param.centringCutSheet);
    EXPECT_EQ(36, pages.param.centringFrontTractor);
    EXPECT_EQ(96, pages.param.centringRearTractor);
    EXPECT_EQ(2, pages.param.sheetGuideFeedTime);
    EXPECT_EQ("１５秒", pages.param.autoReturnTime);
    EXPECT_EQ("１０秒", pages.param.agaRetryTime);
    EXPECT_EQ("0", pages.param.lfPitchSheetFeeder);
    EXPECT_EQ("オート", pages.select.paperThickness);
    EXPECT_EQ("0", pages.select.printPressure);
    EXPECT_EQ("0", pages.select.printPosition);
    EXPECT_EQ("縮小なし", pages.select.reduction);
    EXPECT_EQ("書式０", pages.select.currentFormat);
    EXPECT_EQ("標準", pages.select.copyPower);
    EXPECT_EQ(0, pages.select.quietPrint);

    SettingsBlock packed{}; // every owned field must be written
    for (const Field& f : {field::command_header, field::sheet_guide_feed_time_unused})
        packed.SetText(f, FactoryBlock.Text(f));
    for (std::size_t i = 0; i < kBlockSize; ++i)
        if (FactoryBlock.bytes[i] == ',' || FactoryBlock.bytes[i] == '.')
            packed.bytes[i] = FactoryBlock.bytes[i];
    pages.Pack(packed);
    EXPECT_EQ(FactoryBlock, packed);
}

// Reserved bytes, byte 245, separators, header, terminator and padding keep what they held.
TEST(SettingsPages, PackTouchesOnlyPageFields) {
    using namespace field;
    // clang-format off
    std::vector<Field> pageFields = {
        font1, font2, kanji_table, quiet_print, postcard_mode, centring_cut_sheet,
        centring_front_tractor, centring_rear_tractor, typeface, reduction, paper_thickness,
        print_pressure, print_position, copy_power, current_format, auto_return_time,
        sheet_guide_feed_time_digit, aga_retry_time, lf_pitch_front_tractor, lf_pitch_rear_tractor,
        lf_pitch_sheet_guide, lf_pitch_sheet_feeder};
    // clang-format on
    pageFields.insert(pageFields.end(), kMswFields.begin(), kMswFields.end());
    pageFields.insert(pageFields.end(), kFormatFields.begin(), kFormatFields.end());
    SettingsBlock block = FactoryBlock;
    Pages pages;
    pages.Unpack(block);
    SettingsBlock odd;
    odd.bytes.fill(0xA5);
    pages.Pack(odd);
    SettingsBlock expected;
    expected.bytes.fill(0xA5);
    for (const Field& f : pageFields)
        expected.SetText(f, FactoryBlock.Text(f));
    EXPECT_EQ(expected, odd);
}

TEST(SettingsPages, ForeignReservedBytesAndCarriedSwitchBitsSurvive) {
    SettingsBlock block = FactoryBlock;
    for (const Field& f : kReservedFields)
        block.At(f) = 0x7E;
    block.At(field::sheet_guide_feed_time_unused) = 'X';
    block.At(field::msw1, 0) = 0x08; // MSW1-4
    block.At(field::msw2, 0) = 0x0A; // MSW2-2, MSW2-4
    block.At(field::msw3, 0) = 0x02; // MSW3-2
    block.At(field::msw3, 1) = 0x02; // MSW3-6
    EXPECT_EQ(block, RoundTrip(block));

    Pages pages;
    pages.Unpack(block);
    pages.msw[2].switches[0] = 1; // an edit on the same page
    pages.Pack(block);
    EXPECT_EQ(0x03, block.At(field::msw3, 0));
    EXPECT_EQ(0x02, block.At(field::msw3, 1));
}

TEST(SettingsPages, CountryCodes) {
    for (unsigned char code : {0x01, 0x06, 0x07, 0x0F}) {
        SettingsBlock block = FactoryBlock;
        block.At(field::msw1, 0) = code;
        MswPageValues values(1);
        ASSERT_TRUE(LoadMswPage(1, block, values));
        EXPECT_EQ("日本", values.country);
        ASSERT_TRUE(StoreMswPage(1, values, block));
        EXPECT_EQ(code & 0x08, block.At(field::msw1, 0)) << int(code);
    }
    SettingsBlock block = FactoryBlock;
    block.At(field::msw1, 0) = 0x1A; // upper nibble ignored; code 2, MSW1-4 set
    MswPageValues values(1);
    ASSERT_TRUE(LoadMswPage(1, block, values));
    EXPECT_EQ("アメリカ", values.country);
    EXPECT_EQ(1, values.switches[3]);
    ASSERT_TRUE(StoreMswPage(1, values, block));
    EXPECT_EQ(0x0A, block.At(field::msw1, 0));

    values.country = "スウェーデン";
    ASSERT_TRUE(StoreMswPage(1, values, block));
    EXPECT_EQ(0x0D, block.At(field::msw1, 0));
    values.country = "火星";
    ASSERT_TRUE(StoreMswPage(1, values, block));
    EXPECT_EQ(0x08, block.At(field::msw1, 0));
}

TEST(SettingsPages, SwitchBitsLoadAndStore) {
    SettingsBlock block = FactoryBlock;
    block.At(field::msw2, 0) = 0x1A;
    block.At(field::msw2, 1) = 0xF5;
    MswPageValues values(2);
    ASSERT_TRUE(LoadMswPage(2, block, values));
    EXPECT_EQ((std::array<int, 8>{0, 1, 0, 1, 1, 0, 1, 0}), values.switches);
    ASSERT_TRUE(StoreMswPage(2, values, block));
    EXPECT_EQ(0x0A, block.At(field::msw2, 0));
    EXPECT_EQ(0x05, block.At(field::msw2, 1));

    // Before the first load: radio groups -1, check boxes 0; nothing but 0 or 1 is stored.
    MswPageValues fresh(4);
    EXPECT_EQ(-1, fresh.switches[0]);
    EXPECT_EQ(0, MswPageValues(2).switches[0]);
    fresh.switches[7] = 1;
    ASSERT_TRUE(StoreMswPage(4, fresh, block));
    EXPECT_EQ(0x00, block.At(field::msw4, 0));
    EXPECT_EQ(0x08, block.At(field::msw4, 1));

    SettingsBlock before = block;
    EXPECT_FALSE(LoadMswPage(5, block, values));
    EXPECT_FALSE(StoreMswPage(0, values, block));
    EXPECT_EQ(before, block);
}

TEST(SettingsPages, EveryMemberHasItsRow) {
    for (const auto& member : kParamMembers)
        EXPECT_STREQ(member.key, FindRow(kParamPage, member.key).key);
    for (const auto& member : kSelectMembers)
        EXPECT_STREQ(member.key, FindRow(kSelectPage, member.key).key);
}

TEST(SettingsPages, MswSwitchRows) {
    int radios = 0, checks = 0, none = 0;
    for (int page = kMsw1Page; page <= kMsw4Page; ++page)
        for (const Row* row : RowsOf(page, Kind::Switch)) {
            radios += row->control == SwitchControl::Radio;
            checks += row->control == SwitchControl::Check;
            none += row->control == SwitchControl::None;
            EXPECT_EQ(row->control == SwitchControl::Radio, row->secondId != 0);
        }
    EXPECT_EQ(23, radios);
    EXPECT_EQ(2, checks);
    EXPECT_EQ(4, none);
    std::vector<const Row*> msw3 = RowsOf(kMsw3Page, Kind::Switch);
    EXPECT_EQ(SwitchControl::None, msw3[5]->control); // MSW3-6
    EXPECT_EQ(6, msw3[6]->bit);
    EXPECT_EQ(1026, msw3[6]->id); // MSW3-7 check box
}

// Both ends of a number's range show as themselves; one step beyond shows the default.
TEST(SettingsPages, ParamRangeEndsLoadAsThemselves) {
    const struct {
        Field field;
        const char* text;
        int ParamPageValues::*member;
        int shown;
    } cases[] = {
        {field::centring_cut_sheet, "10", &ParamPageValues::centringCutSheet, 10},
        {field::centring_cut_sheet, "68", &ParamPageValues::centringCutSheet, 68},
        {field::centring_front_tractor, "68", &ParamPageValues::centringFrontTractor, 68},
        {field::centring_rear_tractor, "068", &ParamPageValues::centringRearTractor, 68},
        {field::centring_rear_tractor, "126", &ParamPageValues::centringRearTractor, 126},
        {field::centring_rear_tractor, "127", &ParamPageValues::centringRearTractor, 96},
        {field::sheet_guide_feed_time_digit, "5", &ParamPageValues::sheetGuideFeedTime, 5},
        {field::sheet_guide_feed_time_digit, "1", &ParamPageValues::sheetGuideFeedTime, 2},
    };
    for (const auto& c : cases) {
        SettingsBlock block = WithText(c.field, c.text);
        ParamPageValues values;
        LoadParamPage(block, values);
        EXPECT_EQ(c.shown, values.*c.member) << c.text;
    }
}

TEST(SettingsPages, ParamValuesOutOfRange) {
    Pages pages;
    SettingsBlock block = WithText(field::lf_pitch_sheet_guide, "FG");
    pages.Unpack(block);
    EXPECT_EQ("0", pages.param.lfPitchSheetGuide);
    pages.Pack(block);
    EXPECT_EQ("00", block.Text(field::lf_pitch_sheet_guide));

    block = WithText(field::lf_pitch_front_tractor, "07");
    LoadParamPage(block, pages.param);
    EXPECT_EQ("00", block.Text(field::lf_pitch_front_tractor)); // rewritten while loading
    block = WithText(field::lf_pitch_front_tractor, "FC");
    LoadParamPage(block, pages.param);
    EXPECT_EQ("-4", pages.param.lfPitchFrontTractor);

    block = WithText(field::centring_rear_tractor, "200");
    block.SetText(field::centring_cut_sheet, "09");
    block.SetText(field::centring_front_tractor, "69");
    LoadParamPage(block, pages.param);
    EXPECT_EQ(96, pages.param.centringRearTractor);
    EXPECT_EQ(40, pages.param.centringCutSheet);
    EXPECT_EQ(40, pages.param.centringFrontTractor);

    block = WithText(field::aga_retry_time, "09");
    block.SetText(field::auto_return_time, "07");
    block.SetText(field::sheet_guide_feed_time_digit, "6");
    block.SetText(field::font1, "5");
    block.SetText(field::kanji_table, "2");
    LoadParamPage(block, pages.param);
    EXPECT_EQ("１０秒", pages.param.agaRetryTime);
    EXPECT_EQ("１５秒", pages.param.autoReturnTime);
    EXPECT_EQ(2, pages.param.sheetGuideFeedTime);
    EXPECT_EQ("標準", pages.param.font1);
    EXPECT_EQ("JIS1990年版", pages.param.kanjiTable);
    StoreParamPage(pages.param, block);
    EXPECT_EQ("02", block.Text(field::aga_retry_time));
    EXPECT_EQ("15", block.Text(field::auto_return_time));
    EXPECT_EQ("02", block.Text(field::sheet_guide_feed_time));
    EXPECT_EQ('0', block.At(field::font1));
}

TEST(SettingsPages, ParamStoreCodes) {
    SettingsBlock block = FactoryBlock;
    ParamPageValues v;
    LoadParamPage(block, v);
    v.agaRetryTime = "再実行なし";
    v.autoReturnTime = "８秒";
    v.font2 = "OCR-B";
    v.postcardMode = 1;
    v.centringRearTractor = 126;
    v.centringCutSheet = 5; // a flagged value reaches the block as typed
    v.sheetGuideFeedTime = 5;
    v.lfPitchRearTractor = "-5";
    StoreParamPage(v, block);
    EXPECT_EQ("07", block.Text(field::aga_retry_time));
    EXPECT_EQ("08", block.Text(field::auto_return_time));
    EXPECT_EQ('4', block.At(field::font2));
    EXPECT_EQ('1', block.At(field::postcard_mode));
    EXPECT_EQ("126", block.Text(field::centring_rear_tractor));
    EXPECT_EQ("05", block.Text(field::centring_cut_sheet));
    EXPECT_EQ("05", block.Text(field::sheet_guide_feed_time));
    EXPECT_EQ("FB", block.Text(field::lf_pitch_rear_tractor));

    v.agaRetryTime = "不明";
    v.autoReturnTime = "";
    v.postcardMode = -1;
    StoreParamPage(v, block);
    EXPECT_EQ("02", block.Text(field::aga_retry_time));
    EXPECT_EQ("15", block.Text(field::auto_return_time));
    EXPECT_EQ('0', block.At(field::postcard_mode));
}

TEST(SettingsPages, SelectValues) {
    SelectPageValues v;
    SettingsBlock block = WithText(field::paper_thickness, "13");
    block.SetText(field::reduction, "2");
    block.SetText(field::print_position, "FD");
    block.SetText(field::print_pressure, "FA");
    block.SetText(field::quiet_print, "7");
    block.SetText(field::current_format, "4");
    block.SetText(field::copy_power, "2");
    LoadSelectPage(block, v);
    EXPECT_EQ("オート", v.paperThickness);
    EXPECT_EQ("縮小なし", v.reduction);
    EXPECT_EQ("-1.3", v.printPosition);
    EXPECT_EQ("-6", v.printPressure);
    EXPECT_EQ(0, v.quietPrint);
    EXPECT_EQ("書式４", v.currentFormat);
    EXPECT_EQ("複写", v.copyPower);
    StoreSelectPage(v, block);
    EXPECT_EQ("00", block.Text(field::paper_thickness));
    EXPECT_EQ('0', block.At(field::reduction));
    EXPECT_EQ("FD", block.Text(field::print_position));
    EXPECT_EQ("FA", block.Text(field::print_pressure));
    EXPECT_EQ('0', block.At(field::quiet_print));
    EXPECT_EQ('4', block.At(field::current_format));

    block.SetText(field::print_position, "0A");
    LoadSelectPage(block, v);
    EXPECT_EQ("0", v.printPosition);
    block.SetText(field::print_position, "?3");
    LoadSelectPage(block, v);
    EXPECT_EQ("0", v.printPosition); // kept

    v.paperThickness = "12";
    v.reduction = "４／５縮小";
    v.typeface = 1;
    v.printPosition = "+1.3";
    StoreSelectPage(v, block);
    EXPECT_EQ("12", block.Text(field::paper_thickness));
    EXPECT_EQ('5', block.At(field::reduction));
    EXPECT_EQ('1', block.At(field::typeface));
    EXPECT_EQ("03", block.Text(field::print_position));

    v.reduction = "?";
    v.printPosition = "?";
    v.typeface = -1;
    StoreSelectPage(v, block);
    EXPECT_EQ('5', block.At(field::reduction)); // unknown texts leave their bytes
    EXPECT_EQ("03", block.Text(field::print_position));
    EXPECT_EQ('0', block.At(field::typeface)); // never "/" for an unselected group
}

TEST(SettingsPages, FormatRecordsCopiedVerbatim) {
    SettingsBlock block = WithText(field::format2, "99,abc,136,120,120,046,046,054,00,0x,");
    SelectPageValues v;
    LoadSelectPage(block, v);
    EXPECT_EQ(block.Text(field::format2),
              std::string(v.longFormats[1].begin(), v.longFormats[1].end()));
    v.format0[0] = '7';
    StoreSelectPage(v, block);
    EXPECT_EQ("76,120,120,046,046,054,00,00,", block.Text(field::format0));
    EXPECT_EQ("99,abc,136,120,120,046,046,054,00,0x,", block.Text(field::format2));
}
