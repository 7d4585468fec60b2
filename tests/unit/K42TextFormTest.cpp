// The command line's text form, listing and comparison of settings blocks.
#include "cli/Report.h"
#include "cli/Settings.h"
#include "cli/TextForm.h"
#include "cli/Messages.h"
#include "settings/FactoryBlock.h"
#include "settings/MswPageValues.h"
#include "settings/ParamPageValues.h"
#include "settings/SelectPageValues.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

using settings::FactoryBlock;
using settings::SettingsBlock;

namespace {

// Block offsets of the fields these tests touch.
constexpr std::size_t kMsw1 = 4;
constexpr std::size_t kFont1 = 16;
constexpr std::size_t kReserved26 = 26;
constexpr std::size_t kCentringCutSheet = 28;
constexpr std::size_t kReduction = 71;
constexpr std::size_t kPaperThickness = 73;
constexpr std::size_t kPrintPressure = 76;
constexpr std::size_t kPrintPosition = 79;
constexpr std::size_t kCurrentFormat = 84;
constexpr std::size_t kFormat2 = 125;
constexpr std::size_t kAutoReturn = 242;
constexpr std::size_t kFeedTime = 245;
constexpr std::size_t kAgaRetry = 248;
constexpr std::size_t kLfPitchFrontTractor = 251;
constexpr std::size_t kLfPitchSheetGuide = 257;

void Put(SettingsBlock& block, std::size_t offset, const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        block.bytes[offset + i] = static_cast<unsigned char>(text[i]);
}

std::string At(const SettingsBlock& block, std::size_t offset, std::size_t width) {
    return std::string(block.bytes.begin() + offset, block.bytes.begin() + offset + width);
}

// Export, then import into a block that starts out different.
SettingsBlock RoundTrip(const SettingsBlock& block) {
    SettingsBlock back;
    back.bytes.fill(0xEE);
    std::string error;
    EXPECT_TRUE(cli::ImportText(cli::ExportText(block), "t.txt", back, error)) << error;
    return back;
}

// The text with the value of `key` in section `section` replaced.
std::string WithValue(std::string text, const std::string& section, const std::string& key,
                      const std::string& value) {
    std::size_t at = text.find("\n" + key + " = ", text.find("[" + section + "]"));
    std::size_t start = at + key.size() + 4;
    text.replace(start, text.find(' ', start) - start, value);
    return text;
}

bool Imports(const std::string& text, SettingsBlock& block, std::string& error) {
    return cli::ImportText(text, "t.txt", block, error);
}

// What the pages show for every setting of `block`, by the command line's names: a list's
// text, an edit's number, a radio button's or check box's text, all with their units.
template <class Values, std::size_t N>
void AddPageShows(std::map<std::string, std::string>& shows, const char* section, int page,
                  const std::array<settings::MemberOf<Values>, N>& members, const Values& v) {
    for (const auto& member : members) {
        const settings::Row& row = settings::FindRow(page, member.key);
        std::string shown = member.text ? v.*member.text : std::to_string(v.*member.number);
        if (row.kind == settings::Kind::Radio)
            shown = cli::PlainLabel(v.*member.number ? row.on : row.off);
        if (row.unit && !shown.empty()) shown += std::string(" ") + row.unit;
        shows[std::string(section) + "." + member.key] = shown;
    }
}

std::map<std::string, std::string> PageShows(SettingsBlock block) {
    std::map<std::string, std::string> shows;
    settings::SelectPageValues select;
    settings::ParamPageValues param;
    settings::LoadSelectPage(block, select);
    settings::LoadParamPage(block, param);
    AddPageShows(shows, "select", settings::kSelectPage, settings::kSelectMembers, select);
    AddPageShows(shows, "param", settings::kParamPage, settings::kParamMembers, param);
    for (int n = 0; n < 5; ++n) {
        settings::FormatFields fields = n == 0
                                            ? settings::ParseShortRecord(select.format0)
                                            : settings::ParseLongRecord(select.longFormats[n - 1]);
        for (const settings::Row* row :
             settings::RowsOf(settings::kSelectPage, settings::Kind::Record))
            shows["format" + std::to_string(n) + "." + row->key] =
                std::to_string(settings::NumberOf(fields, *row)) + " " + row->unit;
    }
    for (int msw = 1; msw <= 4; ++msw) {
        settings::MswPageValues values(msw);
        settings::LoadMswPage(msw, block, values);
        std::string section = "msw" + std::to_string(msw);
        shows[section + ".country"] = values.country;
        for (const settings::Row* row : settings::RowsOf(msw + 1, settings::Kind::Switch)) {
            int on = values.switches[row->bit];
            std::string& shown = shows[section + ".switch" + std::to_string(row->bit + 1)];
            shown = std::to_string(on);
            if (row->control == settings::SwitchControl::Radio)
                shown = cli::PlainLabel(on ? row->on : row->off);
            if (row->control == settings::SwitchControl::Check)
                shown = on ? cli::kChecked : cli::kUnchecked;
        }
    }
    return shows;
}

} // namespace

// Blocks whose fields hold codes no page offers as well as listed ones.
TEST(K42Show, EverySettingShowsWhatItsPageShows) {
    std::mt19937 random(22);
    const std::string alphabet = "0123456789ABCDEFG-:";
    int compared = 0;
    for (int round = 0; round < 100; ++round) {
        SettingsBlock block = FactoryBlock;
        for (auto& byte : block.bytes)
            if (random() % 2)
                byte = static_cast<unsigned char>(alphabet[random() % alphabet.size()]);
        std::map<std::string, std::string> shows = PageShows(block);
        for (const auto& setting : cli::Settings()) {
            auto page = shows.find(setting->Name());
            if (page == shows.end()) continue;
            EXPECT_EQ(page->second, setting->Shown(block)) << setting->Name() << " round " << round;
            ++compared;
        }
    }
    EXPECT_EQ(100 * 100, compared);
}

TEST(K42TextForm, RandomBlocksComeBackByteForByte) {
    std::mt19937 random(42);
    for (int round = 0; round < 200; ++round) {
        SettingsBlock block;
        for (auto& byte : block.bytes)
            byte = static_cast<unsigned char>(random());
        ASSERT_EQ(block, RoundTrip(block)) << "round " << round;
    }
}

TEST(K42TextForm, FactoryBlockIsWrittenWithoutRawCodes) {
    std::string text = cli::ExportText(FactoryBlock);
    EXPECT_EQ(std::string::npos, text.find("raw:"));
    EXPECT_NE(std::string::npos, text.find("\nfont1 = 0 ;"));
    EXPECT_NE(std::string::npos, text.find("\ncentring_rear_tractor = 96 ;"));
    EXPECT_EQ(FactoryBlock, RoundTrip(FactoryBlock));
}

// Each word the pages offer, with the bytes the block holds for it.
TEST(K42TextForm, EveryListValueWritesItsCode) {
    struct Case {
        const char* section;
        const char* key;
        const char* word;
        std::size_t offset;
        const char* code;
    };
    const Case cases[] = {
        {"select", "reduction", "0", kReduction, "0"},
        {"select", "reduction", "1", kReduction, "1"},
        {"select", "reduction", "5", kReduction, "5"},
        {"select", "paper_thickness", "12", kPaperThickness, "12"},
        {"select", "paper_thickness", "0", kPaperThickness, "00"},
        {"select", "print_pressure", "-6", kPrintPressure, "FA"},
        {"select", "print_pressure", "+3", kPrintPressure, "03"},
        {"select", "print_position", "-1.3", kPrintPosition, "FD"},
        {"select", "print_position", "-0.4", kPrintPosition, "FF"},
        {"select", "print_position", "+1.3", kPrintPosition, "03"},
        {"select", "current_format", "4", kCurrentFormat, "4"},
        {"param", "font1", "4", kFont1, "4"},
        {"param", "aga_retry_time", "7", kAgaRetry, "07"},
        {"param", "auto_return_time", "8", kAutoReturn, "08"},
        {"param", "auto_return_time", "0", kAutoReturn, "00"},
        {"param", "lf_pitch_front_tractor", "-5", kLfPitchFrontTractor, "FB"},
        {"param", "lf_pitch_front_tractor", "+5", kLfPitchFrontTractor, "05"},
        {"param", "centring_cut_sheet", "68", kCentringCutSheet, "68"},
        {"param", "sheet_guide_feed_time", "5", kFeedTime, "05"},
        {"format2", "left_margin", "135", kFormat2 + 3, "135"},
        {"format2", "front_tractor_adjust", "68", kFormat2 + 34, "68"},
    };
    std::string factory = cli::ExportText(FactoryBlock);
    for (const Case& c : cases) {
        SettingsBlock block = FactoryBlock;
        std::string error;
        ASSERT_TRUE(Imports(WithValue(factory, c.section, c.key, c.word), block, error)) << error;
        EXPECT_EQ(c.code, At(block, c.offset, std::string(c.code).size())) << c.key << c.word;
        EXPECT_EQ(block, RoundTrip(block)) << c.key << c.word;
    }
}

// Every word a setting names as its choices ("0, 1, 5"); of a range ("10..68") its ends,
// their neighbours and the middle.
static std::vector<std::string> ChoiceWords(const cli::Setting& setting) {
    std::string choices = setting.Choices();
    std::vector<std::string> words;
    std::size_t dots = choices.find("..");
    if (dots != std::string::npos) {
        int min = std::stoi(choices.substr(0, dots)), max = std::stoi(choices.substr(dots + 2));
        for (int v : {min, min + 1, (min + max) / 2, max - 1, max})
            words.push_back(std::to_string(v));
        return words;
    }
    for (std::size_t start = 0; start < choices.size();) {
        std::size_t end = choices.find(", ", start);
        if (end == std::string::npos) end = choices.size();
        words.push_back(choices.substr(start, end - start));
        start = end + 2;
    }
    return words;
}

TEST(K42TextForm, EveryChoiceOfEverySettingRoundTrips) {
    int tried = 0;
    for (const auto& setting : cli::Settings()) {
        if (setting->page == cli::kNoPage || setting->key == "high_bits") continue;
        for (const std::string& word : ChoiceWords(*setting)) {
            SettingsBlock block = FactoryBlock;
            ASSERT_TRUE(setting->SetWord(word, block)) << setting->Name() << " " << word;
            EXPECT_EQ(word, setting->Word(block).value_or("?")) << setting->Name();
            EXPECT_NE("", setting->Shown(block)) << setting->Name() << " " << word;
            EXPECT_EQ(block, RoundTrip(block)) << setting->Name() << " " << word;
            ++tried;
        }
    }
    EXPECT_GT(tried, 300);
}

TEST(K42TextForm, CodesNoPageShowsAreWrittenRaw) {
    SettingsBlock block = FactoryBlock;
    Put(block, kFont1, "7");
    Put(block, kCentringCutSheet, "99");
    Put(block, kLfPitchSheetGuide, "FG");
    Put(block, kReserved26, "A");
    block.bytes[kMsw1] = 0x1E;       // upper bit 4, country code 6, switch 4
    Put(block, kFormat2 + 3, "100"); // left margin, and a right margin not beyond it:
    Put(block, kFormat2 + 7, "100"); // the format dialog refuses it
    std::string text = cli::ExportText(block);
    EXPECT_NE(std::string::npos, text.find("\nright_margin = raw:313030 ;"));
    EXPECT_NE(std::string::npos, text.find("\nfont1 = raw:37 ;"));
    EXPECT_NE(std::string::npos, text.find("\ncentring_cut_sheet = raw:3939 ;"));
    EXPECT_NE(std::string::npos, text.find("\nlf_pitch_sheet_guide = raw:4647 ;"));
    EXPECT_NE(std::string::npos, text.find("\nbyte_026 = raw:41 ;"));
    EXPECT_NE(std::string::npos, text.find("\ncountry = raw:6 ;"));
    EXPECT_NE(std::string::npos, text.find("\nswitch4 = 1 ;"));
    EXPECT_NE(std::string::npos, text.find("\nhigh_bits = raw:1000 ;"));
    EXPECT_EQ(block, RoundTrip(block));
}

TEST(K42TextForm, RefusesBadValuesNamingFieldAndLine) {
    std::string factory = cli::ExportText(FactoryBlock);
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {WithValue(factory, "param", "font1", "5"), "param.font1 の値「5」は使えません"},
        {WithValue(factory, "select", "reduction", "2"), "select.reduction"},
        {WithValue(factory, "param", "centring_cut_sheet", "69"), "10..68"},
        {WithValue(factory, "param", "centring_rear_tractor", "67"), "68..126"},
        {WithValue(factory, "format0", "paper_length", "0"), "1..99"},
        {WithValue(factory, "format1", "load_pos_postcard", "171"), "0..170"},
        {WithValue(factory, "param", "lf_pitch_rear_tractor", "-6"), "lf_pitch_rear_tractor"},
        {WithValue(WithValue(factory, "format2", "left_margin", "100"), "format2", "right_margin",
                   "100"),
         "format2.right_margin の値「100」は使えません (使える値: 101..136)"},
        {WithValue(factory, "msw2", "switch3", "2"), "msw2.switch3"},
        {WithValue(factory, "msw1", "country", "1"), "msw1.country"},
        {WithValue(factory, "param", "font2", "raw:3"), "16進数 2 桁"},
        {factory + "[param]\nfont1 = 1\n", "二度あります"},
        {factory + "[param]\nfonts = 1\n", "param.fonts という項目はありません"},
        {factory + "[msw1]\nhigh_bits = raw:1100\n", "msw1.high_bits"},
        {factory + "just words\n", "形ではありません"},
        {factory + "[param\n", "形ではありません"},
        {factory + "[ゾ\n", "形ではありません"}, // its trail byte is "]"
        {WithValue(factory, "msw1", "country", "raw:8"), "msw1.country"},
        {"font1 = 1\n", "1 行目: 項目の前にセクションがありません"},
        {factory.substr(0, factory.find("font2 =")), "param.font2 がありません"},
    };
    for (const Case& c : cases) {
        SettingsBlock block;
        block.bytes.fill(0x55);
        SettingsBlock before = block;
        std::string error;
        EXPECT_FALSE(Imports(c.text, block, error)) << c.message;
        EXPECT_NE(std::string::npos, error.find(c.message)) << error;
        EXPECT_EQ(0u, error.find("t.txt: ")) << error;
        EXPECT_EQ(before, block) << c.message;
    }
}

// A switch sets its own bit and keeps the other switches and the unused upper bits.
TEST(K42TextForm, SwitchEditKeepsTheOtherBitsOfItsByte) {
    const struct {
        const char* section;
        const char* key;
        const char* word;
        std::size_t offset;
        unsigned char before;
        unsigned char after;
    } cases[] = {
        {"msw1", "switch4", "1", kMsw1, 0xA0, 0xA8}, {"msw1", "switch5", "1", kMsw1 + 1, 0xB0, 0xB1},
        {"msw4", "switch8", "1", 14, 0xC0, 0xC8},    {"msw4", "switch8", "0", 14, 0xFF, 0xF7},
    };
    for (const auto& c : cases) {
        SettingsBlock block = FactoryBlock;
        block.bytes[c.offset] = c.before;
        ASSERT_TRUE(cli::FindSetting(c.section, c.key)->SetWord(c.word, block));
        EXPECT_EQ(c.after, block.bytes[c.offset]) << c.section << "." << c.key;
    }
}

TEST(K42TextForm, BadValueMessageGivesItsLine) {
    std::string text = cli::ExportText(FactoryBlock);
    std::size_t line = 1;
    for (std::size_t i = 0; i < text.find("\nfont1 = "); ++i)
        line += text[i] == '\n';
    SettingsBlock block;
    std::string error;
    EXPECT_FALSE(Imports(WithValue(text, "param", "font1", "9"), block, error));
    EXPECT_NE(std::string::npos, error.find(" " + std::to_string(line + 1) + " 行目")) << error;
}

TEST(K42TextForm, HandEditedTextIsAccepted) {
    std::string text = cli::ExportText(FactoryBlock);
    text = WithValue(text, "select", "print_pressure", "3");       // no sign
    text = WithValue(text, "param", "aga_retry_time", "07");       // leading zero
    text = WithValue(text, "format0", "paper_length", "raw:3939"); // raw where a word would do
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    SettingsBlock block;
    std::string error;
    ASSERT_TRUE(Imports("# made by hand\n" + crlf, block, error)) << error;
    EXPECT_EQ("03", At(block, kPrintPressure, 2));
    EXPECT_EQ("07", At(block, kAgaRetry, 2));
    EXPECT_EQ("99", At(block, 38, 2));
}

TEST(K42Show, PagesInTabOrderWithTheirLabels) {
    std::string text = cli::ShowBlock(FactoryBlock);
    const char* inOrder[] = {"機能選択\n",
                             "  用紙厚調整の設定: オート\n",
                             "  書式１ ライトマージン幅: 136 桁\n",
                             "パラメータ設定\n",
                             "  漢字コード表: JIS1978年版\n",
                             "  カット位置からの自動戻り時間: １５秒\n",
                             "ＭＳＷ１\n",
                             "  各国文字の切り替え （MSW1-1/2/3）: 日本\n",
                             "ＭＳＷ２\n",
                             "  シートガイドの用紙無し検出 （MSW2-2）: 常時\n",
                             "ＭＳＷ４\n",
                             "  カット位置送り機能の用紙送り量 （MSW4-3）: TOF＋固定長\n"};
    std::size_t at = 0;
    for (const char* line : inOrder) {
        std::size_t found = text.find(line, at);
        ASSERT_NE(std::string::npos, found) << line;
        at = found;
    }
    EXPECT_EQ(std::string::npos, text.find("（コード"));
    EXPECT_EQ(std::string::npos, text.find("ページにないバイト"));
}

TEST(K42Show, CodesNoPageShowsCarryTheirRawCode) {
    SettingsBlock block = FactoryBlock;
    Put(block, kCentringCutSheet, "99");
    block.bytes[kMsw1] = 0x06;
    Put(block, kReserved26, "A");
    Put(block, kLfPitchSheetGuide, "FG"); // a signed code after "F" the page shows as 0
    Put(block, kPrintPressure, "1A");      // after any other first character it shows nothing
    std::string text = cli::ShowBlock(block);
    EXPECT_NE(std::string::npos, text.find("カット紙: 40 桁（コード 3939）\n")) << text;
    EXPECT_NE(std::string::npos, text.find("（MSW1-1/2/3）: 日本（コード 6）\n"));
    EXPECT_NE(std::string::npos, text.find(": 0（コード 4647）\n"));
    EXPECT_NE(std::string::npos, text.find(": （コード 3141）\n"));
    EXPECT_NE(std::string::npos, text.find("ページにないバイト\n  バイト 26: （コード 41）\n"));
}

TEST(K42Diff, OneLinePerDifferingSettingWithBothValues) {
    EXPECT_EQ("", cli::DiffBlocks(FactoryBlock, FactoryBlock));
    SettingsBlock changed = FactoryBlock;
    Put(changed, kFont1, "2");
    Put(changed, kFeedTime, "1");
    EXPECT_EQ("パラメータ設定 フォント選択 フォント１ [param.font1]: 標準 -> クーリエ\n"
              "ページにないバイト バイト 245 [layout.byte_245]: （コード 30） -> （コード 31）\n",
              cli::DiffBlocks(FactoryBlock, changed));
}

TEST(K42Diff, EveryByteOfTheBlockBelongsToASetting) {
    for (std::size_t offset = 0; offset < settings::kBlockSize; ++offset) {
        SettingsBlock changed = FactoryBlock;
        changed.bytes[offset] ^= 0x80;
        EXPECT_NE("", cli::DiffBlocks(FactoryBlock, changed)) << offset;
    }
}

TEST(K42Labels, AcceleratorsAndBreaksLeaveOnCharacterBoundaries) {
    EXPECT_EQ("カット位置からの自動戻り時間",
              cli::PlainLabel("カット位置からの\n自動戻り時間(&P)"));
    EXPECT_EQ("漢字コード表", cli::PlainLabel("漢字コード表(&K)")); // "表" ends in 0x5C
    EXPECT_EQ("ＥＳＣ ａ，ＬＦ", cli::PlainLabel("ＥＳＣ ａ，ＬＦ (&T)"));
    EXPECT_EQ("各国文字 （MSW1-1/2/3）", cli::PlainLabel("各国文字(&C) （MSW1-1/2/3） "));
}
