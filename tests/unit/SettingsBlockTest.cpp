#include "settings/FactoryBlock.h"
#include "settings/SettingsBlock.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

using namespace settings;

namespace {

std::vector<Field> AllFields() {
    using namespace field;
    // clang-format off
    std::vector<Field> fields = {
        command_header, font1, font2, kanji_table, quiet_print, postcard_mode, centring_cut_sheet,
        centring_front_tractor, centring_rear_tractor, typeface, reduction, paper_thickness,
        print_pressure, print_position, copy_power, current_format, auto_return_time,
        sheet_guide_feed_time, aga_retry_time, lf_pitch_front_tractor, lf_pitch_rear_tractor,
        lf_pitch_sheet_guide, lf_pitch_sheet_feeder, terminator, padding};
    // clang-format on
    fields.insert(fields.end(), kMswFields.begin(), kMswFields.end());
    fields.insert(fields.end(), kFormatFields.begin(), kFormatFields.end());
    fields.insert(fields.end(), kReservedFields.begin(), kReservedFields.end());
    return fields;
}

} // namespace

// The factory settings, run by run from the first byte to the last: a typo in any
// factory value, or a run of the wrong length, fails here.
TEST(SettingsBlock, FactoryBlockHoldsTheFactorySettingsByteForByte) {
    using std::string;
    const string formatLong = "66,000,136,120,120,046,046,054,00,00,";
    const struct {
        std::size_t first;
        string bytes;
    } runs[] = {
        {0, string("\x1C\x6F\x30\x2C\x00\x00\x2C\x02\x00\x2C\x00\x00\x2C\x0C\x00\x2C", 16)},
        {16, "0,0,0,0,0,"},
        {26, string(1, '\0')},
        {27, ",40,36,096,66,120,120,046,046,054,00,00,"},
        {67, string(1, '\0')},
        {68, ",0,0,00,00,00,0,0,"},
        {86, formatLong},
        {123, string(1, '\0')},
        {124, "," + formatLong},
        {162, string(1, '\0')},
        {163, "," + formatLong},
        {201, string(1, '\0')},
        {202, "," + formatLong},
        {240, string(1, '\0')},
        {241, ",15,02,02,00,00,00,00."},
        {263, string(7, '\0')},
    };
    std::size_t next = 0;
    for (const auto& run : runs) {
        ASSERT_EQ(next, run.first);
        EXPECT_EQ(run.bytes, string(FactoryBlock.bytes.begin() + run.first,
                                    FactoryBlock.bytes.begin() + run.first + run.bytes.size()))
            << "from byte " << run.first;
        next = run.first + run.bytes.size();
    }
    EXPECT_EQ(kBlockSize, next);
}

// The fields do not overlap, and every byte outside them is a separator in the factory block.
TEST(SettingsBlock, FieldsTileTheBlockBetweenSeparators) {
    std::vector<int> owner(kBlockSize, 0);
    for (const Field& f : AllFields())
        for (std::size_t i = 0; i < f.width; ++i)
            ++owner[f.offset + i];
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        EXPECT_LE(owner[i], 1) << "byte " << i;
        if (owner[i] == 0) {
            EXPECT_EQ(',', FactoryBlock.bytes[i]) << "byte " << i;
        }
    }
    EXPECT_EQ('.', FactoryBlock.At(field::terminator));
    EXPECT_EQ(',', FactoryBlock.At(field::format0, field::format0.width - 1));
    EXPECT_EQ(',', FactoryBlock.At(field::format4, field::format4.width - 1));
    for (const Field& r : kReservedFields)
        EXPECT_EQ(0, FactoryBlock.At(r));
}

TEST(SettingsBlock, NumbersUseCharacterArithmeticAndWriteOnlyDigits) {
    SettingsBlock block = FactoryBlock;
    block.SetText(field::centring_rear_tractor, "2:0");
    EXPECT_EQ(300, block.Number(field::centring_rear_tractor)); // ":" counts as 10
    block.SetNumber(field::centring_rear_tractor, 7);
    EXPECT_EQ("007", block.Text(field::centring_rear_tractor));
    block.SetNumber(field::centring_cut_sheet, 123);
    EXPECT_EQ("23", block.Text(field::centring_cut_sheet));
    block.SetNumber(field::centring_cut_sheet, -4);
    EXPECT_EQ("00", block.Text(field::centring_cut_sheet));
    EXPECT_EQ(',', block.bytes[field::centring_cut_sheet.offset + 2]);
}

TEST(SettingsBlock, SignedReadRewritesOutOfRangeSecondCharacter) {
    SettingsBlock block = FactoryBlock;
    const Field f = field::lf_pitch_sheet_guide;
    int value = 99;
    auto read = [&](const char* text) {
        block.SetText(f, text);
        value = 99;
        return ReadSigned(block, f, kLfPitchRange, value);
    };
    EXPECT_TRUE(read("05"));
    EXPECT_EQ(5, value);
    EXPECT_TRUE(read("07"));
    EXPECT_EQ(0, value);
    EXPECT_EQ("00", block.Text(f));
    EXPECT_TRUE(read("FB"));
    EXPECT_EQ(-5, value);
    EXPECT_TRUE(read("FA"));
    EXPECT_EQ(0, value);
    EXPECT_EQ("FG", block.Text(f));
    EXPECT_TRUE(read("FG"));
    EXPECT_EQ(0, value);
    EXPECT_FALSE(read("1F"));
    EXPECT_EQ(99, value);
    EXPECT_EQ("1F", block.Text(f));

    block.SetText(field::print_pressure, "FA");
    EXPECT_TRUE(ReadSigned(block, field::print_pressure, kPrintPressureRange, value));
    EXPECT_EQ(-6, value);
    block.SetText(field::print_pressure, "04");
    EXPECT_TRUE(ReadSigned(block, field::print_pressure, kPrintPressureRange, value));
    EXPECT_EQ("00", block.Text(field::print_pressure));
}

TEST(SettingsBlock, SignedStoreAndDisplay) {
    SettingsBlock block = FactoryBlock;
    const Field f = field::lf_pitch_rear_tractor;
    StoreSignedText("-5", block, f);
    EXPECT_EQ("FB", block.Text(f));
    StoreSignedText("+3", block, f);
    EXPECT_EQ("03", block.Text(f));
    StoreSignedText("-1", block, f);
    EXPECT_EQ("FF", block.Text(f));
    StoreSignedText("0", block, f);
    EXPECT_EQ("00", block.Text(f));

    EXPECT_EQ("0", FormatSigned(0));
    EXPECT_EQ("+4", FormatSigned(4));
    EXPECT_EQ("-6", FormatSigned(-6));

    std::string text = "+2";
    block.SetText(f, "X1");
    LoadSignedText(block, f, kLfPitchRange, text);
    EXPECT_EQ("+2", text); // an unknown first character keeps the previous text
}

TEST(SettingsBlock, ParseLeadingInt) {
    EXPECT_EQ(12, ParseLeadingInt("12"));
    EXPECT_EQ(-6, ParseLeadingInt("-6"));
    EXPECT_EQ(3, ParseLeadingInt("+3"));
    EXPECT_EQ(0, ParseLeadingInt("オート"));
    EXPECT_EQ(0, ParseLeadingInt(""));
    EXPECT_EQ(INT_MAX, ParseLeadingInt("99999999999999999999"));
    EXPECT_EQ(INT_MIN, ParseLeadingInt("-99999999999999999999"));
}

// A member text far outside any field's range still stores two hex capitals: the value
// is clamped to the span whose form starts with "0" or "F", so it reads back as a number
// (here "+100" and 2147483600 would have stored ":" plus 52 or overflowed).
TEST(SettingsBlock, SignedStoreOfAnyTextWritesOnlyHex) {
    SettingsBlock block = FactoryBlock;
    const Field f = field::lf_pitch_front_tractor;
    const struct {
        const char* text;
        const char* stored;
    } cases[] = {{"+10", "0A"},         {"+100", "0F"},         {"2147483600", "0F"},
                 {"99999999999", "0F"}, {"-7", "F9"},           {"-16", "F0"},
                 {"-17", "F0"},         {"-100", "F0"},
                 {"-2147483648", "F0"}, {"-99999999999", "F0"}, {"+9", "09"}};
    for (const auto& c : cases) {
        block.SetText(f, "..");
        StoreSignedText(c.text, block, f);
        EXPECT_EQ(c.stored, block.Text(f)) << c.text;
    }
    WriteSigned(block, f, INT_MIN);
    EXPECT_EQ("F0", block.Text(f));
    WriteSigned(block, f, INT_MAX);
    EXPECT_EQ("0F", block.Text(f));
}
