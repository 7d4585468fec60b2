#include "cli/Settings.h"

#include "cli/Messages.h"
#include "settings/PageLabels.h"
#include "settings/FactoryBlock.h"
#include "settings/FormatRecord.h"
#include "settings/MswPageValues.h"
#include "settings/ParamPageValues.h"
#include "settings/SettingTexts.h"
#include "settings/ValueRanges.h"
#include "text/Cp932.h"
#include "text/Number.h"

#include <array>
#include <cstdio>
#include <map>

namespace cli {
namespace {

using settings::Field;
using settings::SettingsBlock;

constexpr char kHexDigits[] = "0123456789ABCDEF";

std::string Hex(const unsigned char* bytes, std::size_t count) {
    std::string hex;
    for (std::size_t i = 0; i < count; ++i) {
        hex += kHexDigits[bytes[i] >> 4];
        hex += kHexDigits[bytes[i] & 0x0F];
    }
    return hex;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Exactly `digits` hexadecimal digits as a number; false for anything else.
bool ParseHexNumber(const std::string& hex, std::size_t digits, unsigned& value) {
    if (hex.size() != digits) return false;
    value = 0;
    for (char c : hex) {
        int digit = HexDigit(c);
        if (digit < 0) return false;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return true;
}

// Exactly 2 * count hexadecimal digits as bytes.
bool ParseHexBytes(const std::string& hex, std::size_t count, std::vector<unsigned char>& bytes) {
    if (hex.size() != 2 * count) return false;
    bytes.clear();
    for (std::size_t i = 0; i < count; ++i) {
        unsigned value = 0;
        if (!ParseHexNumber(hex.substr(2 * i, 2), 2, value)) return false;
        bytes.push_back(static_cast<unsigned char>(value));
    }
    return true;
}

// Words match when they are equal or name the same integer ("08" and "8", "+3" and "3").
bool SameWord(const std::string& a, const std::string& b) {
    int x = 0, y = 0;
    return a == b || (number::ParseInteger(a, x) && number::ParseInteger(b, y) && x == y);
}

// A setting held in whole bytes of the block.
class FieldSetting : public Setting {
public:
    FieldSetting(std::string section, std::string key, int page, std::string label, Field field)
        : Setting(std::move(section), std::move(key), page, std::move(label)), field(field) {}

    std::string Raw(const SettingsBlock& block) const override {
        return Hex(block.bytes.data() + field.offset, field.width);
    }

    bool SetRaw(const std::string& hex, SettingsBlock& block) const override {
        std::vector<unsigned char> bytes;
        if (!ParseHexBytes(hex, field.width, bytes)) return false;
        for (std::size_t i = 0; i < field.width; ++i)
            block.At(field, i) = bytes[i];
        return true;
    }

protected:
    const Field field;
};

// One code of a list: the field's bytes, the word of the text form, the page's text.
struct Choice {
    std::string code;
    std::string word;
    std::string shown;
};

// A field whose codes the page offers as a list; any other code shows as `fallback`.
class ListSetting : public FieldSetting {
public:
    ListSetting(std::string section, std::string key, int page, std::string label, Field field,
                std::vector<Choice> choices, std::string fallback)
        : FieldSetting(std::move(section), std::move(key), page, std::move(label), field),
          choices(std::move(choices)), fallback(std::move(fallback)) {}

    std::optional<std::string> Word(const SettingsBlock& block) const override {
        const Choice* choice = Find(block);
        if (!choice) return std::nullopt;
        return choice->word;
    }

    std::string Shown(const SettingsBlock& block) const override {
        const Choice* choice = Find(block);
        return choice ? choice->shown : Fallback(block);
    }

    bool SetWord(const std::string& word, SettingsBlock& block) const override {
        for (const Choice& choice : choices)
            if (SameWord(word, choice.word)) {
                block.SetText(field, choice.code);
                return true;
            }
        return false;
    }

    std::string Choices() const override {
        std::string text;
        for (const Choice& choice : choices)
            text += (text.empty() ? "" : ", ") + choice.word;
        return text;
    }

protected:
    virtual std::string Fallback(const SettingsBlock&) const { return fallback; }

private:
    const Choice* Find(const SettingsBlock& block) const {
        std::string code = block.Text(field);
        for (const Choice& choice : choices)
            if (choice.code == code) return &choice;
        return nullptr;
    }

    const std::vector<Choice> choices;
    const std::string fallback;
};

// The signed fields and the print position: a code the page does not list shows "0"
// after "0" or "F"; after any other first character the page keeps what it showed.
class SignedSetting : public ListSetting {
public:
    using ListSetting::ListSetting;

protected:
    std::string Fallback(const SettingsBlock& block) const override {
        unsigned char first = block.At(field);
        return first == '0' || first == 'F' ? "0" : "";
    }
};

// A number in decimal digits with the range of its edit; the page shows `fallback` for a
// value outside it (nothing when negative).
class RangeSetting : public FieldSetting {
public:
    RangeSetting(std::string section, std::string key, int page, std::string label, Field field,
                 settings::ValueRange range, std::string unit, int fallback = -1)
        : FieldSetting(std::move(section), std::move(key), page, std::move(label), field),
          range(range), unit(std::move(unit)), fallback(fallback) {}

    std::optional<std::string> Word(const SettingsBlock& block) const override {
        int value = block.Number(field);
        SettingsBlock rewritten = block;
        rewritten.SetNumber(field, value);
        if (rewritten != block || value < range.min || value > range.max) return std::nullopt;
        return std::to_string(value);
    }

    std::string Shown(const SettingsBlock& block) const override {
        std::optional<std::string> word = Word(block);
        if (word) return *word + " " + unit;
        return fallback < 0 ? "" : std::to_string(fallback) + " " + unit;
    }

    bool SetWord(const std::string& word, SettingsBlock& block) const override {
        int value = 0;
        if (!number::ParseInteger(word, value) || value < range.min || value > range.max)
            return false;
        block.SetNumber(field, value);
        return true;
    }

    std::string Choices() const override {
        return std::to_string(range.min) + ".." + std::to_string(range.max);
    }

private:
    const settings::ValueRange range;
    const std::string unit;
    const int fallback;
};

// A byte that no page edits: written only as its raw code, usual when it holds what the
// factory block holds there.
class ByteSetting : public FieldSetting {
public:
    explicit ByteSetting(std::size_t offset)
        : FieldSetting(kLayoutSection, ByteKey(offset), kNoPage, ByteLabel(offset), {offset, 1}) {}

    std::optional<std::string> Word(const SettingsBlock&) const override { return std::nullopt; }
    std::string Shown(const SettingsBlock&) const override { return ""; }
    bool SetWord(const std::string&, SettingsBlock&) const override { return false; }
    std::string Choices() const override { return kRawOnly; }
    bool IsUsual(const SettingsBlock& block) const override {
        return block.At(field) == settings::FactoryBlock.At(field);
    }

private:
    static std::string ByteKey(std::size_t offset) {
        char key[16];
        std::snprintf(key, sizeof key, "byte_%03u", static_cast<unsigned>(offset));
        return key;
    }
    static std::string ByteLabel(std::size_t offset) {
        char label[64];
        std::snprintf(label, sizeof label, kByteLabelFormat, static_cast<unsigned>(offset));
        return label;
    }
};

// The eight switch bits of a memory-switch field: bits 0-3 of its first byte are
// switches 1-4, bits 0-3 of its second byte switches 5-8.
unsigned SwitchBits(const SettingsBlock& block, Field f) {
    return (block.At(f, 0) & 0x0Fu) | (block.At(f, 1) & 0x0Fu) << 4;
}

void SetSwitchBits(SettingsBlock& block, Field f, unsigned mask, unsigned bits) {
    unsigned value = (SwitchBits(block, f) & ~mask) | (bits & mask);
    block.At(f, 0) = static_cast<unsigned char>((block.At(f, 0) & 0xF0) | (value & 0x0F));
    block.At(f, 1) = static_cast<unsigned char>((block.At(f, 1) & 0xF0) | (value >> 4 & 0x0F));
}

// One memory switch: 0 or 1, shown as the text of its radio button or check state, or as
// the bit itself when the switch has no control.
class SwitchSetting : public Setting {
public:
    SwitchSetting(int msw, int number, std::string label, std::string off, std::string on)
        : Setting(MswSection(msw), "switch" + std::to_string(number), msw + 1, std::move(label)),
          field(settings::kMswFields[msw - 1]), mask(1u << (number - 1)), off(std::move(off)),
          on(std::move(on)) {}

    static std::string MswSection(int msw) { return "msw" + std::to_string(msw); }

    std::optional<std::string> Word(const SettingsBlock& block) const override {
        return Raw(block);
    }
    std::string Shown(const SettingsBlock& block) const override {
        return (SwitchBits(block, field) & mask) ? on : off;
    }
    std::string Raw(const SettingsBlock& block) const override {
        return (SwitchBits(block, field) & mask) ? "1" : "0";
    }
    bool SetWord(const std::string& word, SettingsBlock& block) const override {
        if (word != "0" && word != "1") return false;
        SetSwitchBits(block, field, mask, word == "1" ? mask : 0);
        return true;
    }
    bool SetRaw(const std::string& hex, SettingsBlock& block) const override {
        return SetWord(hex, block);
    }
    std::string Choices() const override { return "0, 1"; }

private:
    const Field field;
    const unsigned mask;
    const std::string off;
    const std::string on;
};

// MSW1-1..3 together: the country code of the international character set.
class CountrySetting : public Setting {
public:
    CountrySetting()
        : Setting(SwitchSetting::MswSection(1), "country", 2, PlainLabel(TXT_MSW1_COUNTRY)) {}

    std::optional<std::string> Word(const SettingsBlock& block) const override {
        unsigned code = Code(block);
        for (int listed : settings::kCountryCodes)
            if (static_cast<unsigned>(listed) == code) return std::to_string(code);
        return std::nullopt;
    }
    std::string Shown(const SettingsBlock& block) const override {
        unsigned code = Code(block);
        for (std::size_t i = 0; i < settings::kCountryCodes.size(); ++i)
            if (static_cast<unsigned>(settings::kCountryCodes[i]) == code)
                return settings::kCountryList[i];
        return settings::kCountryList[0];
    }
    std::string Raw(const SettingsBlock& block) const override {
        return std::string(1, kHexDigits[Code(block)]);
    }
    bool SetWord(const std::string& word, SettingsBlock& block) const override {
        for (int listed : settings::kCountryCodes)
            if (SameWord(word, std::to_string(listed))) {
                SetSwitchBits(block, settings::field::msw1, kMask, static_cast<unsigned>(listed));
                return true;
            }
        return false;
    }
    bool SetRaw(const std::string& hex, SettingsBlock& block) const override {
        unsigned code = 0;
        if (!ParseHexNumber(hex, 1, code) || code > kMask) return false;
        SetSwitchBits(block, settings::field::msw1, kMask, code);
        return true;
    }
    std::string Choices() const override {
        std::string text;
        for (int listed : settings::kCountryCodes)
            text += (text.empty() ? "" : ", ") + std::to_string(listed);
        return text;
    }

private:
    static constexpr unsigned kMask = 0x07;
    static unsigned Code(const SettingsBlock& block) {
        return SwitchBits(block, settings::field::msw1) & kMask;
    }
};

// The upper four bits of both bytes of a memory-switch field, which no switch uses: raw
// only, usual when 0.
class HighBitsSetting : public Setting {
public:
    explicit HighBitsSetting(int msw)
        : Setting(SwitchSetting::MswSection(msw), "high_bits", msw + 1, kHighBitsLabel),
          field(settings::kMswFields[msw - 1]) {}

    std::optional<std::string> Word(const SettingsBlock&) const override { return std::nullopt; }
    std::string Shown(const SettingsBlock&) const override { return ""; }
    std::string Raw(const SettingsBlock& block) const override {
        unsigned char high[2] = {static_cast<unsigned char>(block.At(field, 0) & 0xF0),
                                 static_cast<unsigned char>(block.At(field, 1) & 0xF0)};
        return Hex(high, 2);
    }
    bool SetWord(const std::string&, SettingsBlock&) const override { return false; }
    bool SetRaw(const std::string& hex, SettingsBlock& block) const override {
        std::vector<unsigned char> high;
        if (!ParseHexBytes(hex, 2, high) || (high[0] & 0x0F) || (high[1] & 0x0F)) return false;
        for (std::size_t i = 0; i < 2; ++i)
            block.At(field, i) = static_cast<unsigned char>(high[i] | (block.At(field, i) & 0x0F));
        return true;
    }
    std::string Choices() const override { return kRawOnly; }
    bool IsUsual(const SettingsBlock& block) const override { return Raw(block) == "0000"; }

private:
    const Field field;
};

// ---- The catalogue ----

using SettingList = std::vector<std::unique_ptr<Setting>>;

// Builds the list and notes which block bytes its settings cover.
class Catalogue {
public:
    SettingList settings;
    std::array<bool, settings::kBlockSize> covered{};

    // A setting of whole bytes: section, key, page, label, field, then its own arguments.
    template <typename T, typename... Rest>
    void Add(const std::string& section, const std::string& key, int page, const std::string& label,
             Field f, Rest&&... rest) {
        settings.push_back(
            std::make_unique<T>(section, key, page, label, f, std::forward<Rest>(rest)...));
        for (std::size_t i = 0; i < f.width; ++i)
            covered[f.offset + i] = true;
    }
};

std::string Joined(const std::string& group, const std::string& label) {
    return PlainLabel(group) + " " + PlainLabel(label);
}

template <std::size_t N> std::vector<Choice> DigitChoices(const settings::TextList<N>& texts) {
    std::vector<Choice> choices;
    for (std::size_t i = 0; i < N; ++i)
        choices.push_back(
            {std::string(1, static_cast<char>('0' + i)), std::to_string(i), texts[i]});
    return choices;
}

// Two-digit codes whose numbers are the words.
template <std::size_t N>
std::vector<Choice> NumberChoices(const settings::TextList<N>& texts, const int* codes) {
    std::vector<Choice> choices;
    for (std::size_t i = 0; i < N; ++i) {
        SettingsBlock scratch;
        scratch.SetNumber({0, 2}, codes[i]);
        choices.push_back({scratch.Text({0, 2}), std::to_string(codes[i]), texts[i]});
    }
    return choices;
}

// Signed-hex codes from `min`, whose words are the list texts.
template <std::size_t N>
std::vector<Choice> SignedChoices(const settings::TextList<N>& texts, int min) {
    std::vector<Choice> choices;
    for (std::size_t i = 0; i < N; ++i) {
        SettingsBlock scratch;
        settings::WriteSigned(scratch, {0, 2}, min + static_cast<int>(i));
        choices.push_back({scratch.Text({0, 2}), texts[i], texts[i]});
    }
    return choices;
}

std::vector<Choice> TwoTexts(const char* off, const char* on) {
    return {{"0", "0", PlainLabel(off)}, {"1", "1", PlainLabel(on)}};
}

void AddSelectPage(Catalogue& c) {
    using namespace settings;
    const int page = 0;
    static constexpr int thickness[13] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    c.Add<ListSetting>("select", "paper_thickness", page, PlainLabel(TXT_SELECT_THICKNESS),
                       field::paper_thickness, NumberChoices(kPaperThicknessList, thickness),
                       kPaperThicknessList[0]);
    c.Add<SignedSetting>("select", "print_pressure", page, PlainLabel(TXT_SELECT_PRESSURE),
                         field::print_pressure, SignedChoices(kPrintPressureList, -6), "");
    std::vector<Choice> positions;
    for (std::size_t i = 0; i < kPrintPositionList.size(); ++i)
        positions.push_back({kPrintPositionCodes[i], kPrintPositionList[i],
                             std::string(kPrintPositionList[i]) + " " TXT_UNIT_MM});
    c.Add<SignedSetting>("select", "print_position", page, PlainLabel(TXT_SELECT_POSITION),
                         field::print_position, positions, "");
    std::vector<Choice> reductions;
    for (std::size_t i = 0; i < kReductionList.size(); ++i) {
        std::string code(1, static_cast<char>(kReductionCodes[i]));
        reductions.push_back({code, code, kReductionList[i]});
    }
    c.Add<ListSetting>("select", "reduction", page, PlainLabel(TXT_SELECT_REDUCTION),
                       field::reduction, reductions, kReductionList[0]);
    c.Add<ListSetting>("select", "quiet_print", page, PlainLabel(TXT_SELECT_QUIET),
                       field::quiet_print, TwoTexts(TXT_SELECT_QUIET_OFF, TXT_SELECT_QUIET_ON),
                       PlainLabel(TXT_SELECT_QUIET_OFF));
    c.Add<ListSetting>("select", "typeface", page, PlainLabel(TXT_SELECT_TYPEFACE), field::typeface,
                       TwoTexts(TXT_SELECT_MINCHO, TXT_SELECT_GOTHIC),
                       PlainLabel(TXT_SELECT_MINCHO));
    c.Add<ListSetting>("select", "copy_power", page, PlainLabel(TXT_SELECT_COPY_POWER),
                       field::copy_power, DigitChoices(kCopyPowerList), kCopyPowerList[0]);
    c.Add<ListSetting>("select", "current_format", page, PlainLabel(TXT_SELECT_FORMAT),
                       field::current_format, DigitChoices(kFormatList), kFormatList[0]);
}

// The numbers of one format record; `fields` are relative to the record.
struct RecordNumber {
    const char* key;
    std::string label;
    Field field;
    settings::ValueRange range;
    const char* unit;
};

void AddFormats(Catalogue& c) {
    using namespace settings;
    const std::string load = TXT_FORMAT_LOAD_POSITIONS;
    for (std::size_t n = 0; n < kFormatCount; ++n) {
        bool shortRecord = n == 0;
        auto pick = [&](Field shortField, Field longField) {
            return shortRecord ? shortField : longField;
        };
        std::vector<RecordNumber> numbers = {
            {"paper_length", PlainLabel(TXT_FORMAT_LENGTH),
             pick(short_record::paper_length, long_record::paper_length), kPaperLengthRange,
             TXT_UNIT_LINES}};
        if (!shortRecord) {
            numbers.push_back({"left_margin", PlainLabel(TXT_FORMAT_LEFT), long_record::left_margin,
                               kLeftMarginRange, TXT_UNIT_COLUMNS});
            numbers.push_back({"right_margin", PlainLabel(TXT_FORMAT_RIGHT),
                               long_record::right_margin, kRightMarginRange, TXT_UNIT_COLUMNS});
        }
        const std::pair<const char*, const char*> paths[] = {
            {"load_pos_front_tractor", TXT_FORMAT_FRONT},
            {"load_pos_rear_tractor", TXT_FORMAT_REAR},
            {"load_pos_sheet_guide", TXT_FORMAT_GUIDE},
            {"load_pos_sheet_feeder", TXT_FORMAT_FEEDER},
            {"load_pos_postcard", TXT_FORMAT_POSTCARD}};
        const Field shortPaths[] = {
            short_record::load_pos_front_tractor, short_record::load_pos_rear_tractor,
            short_record::load_pos_sheet_guide, short_record::load_pos_sheet_feeder,
            short_record::load_pos_postcard};
        const Field longPaths[] = {
            long_record::load_pos_front_tractor, long_record::load_pos_rear_tractor,
            long_record::load_pos_sheet_guide, long_record::load_pos_sheet_feeder,
            long_record::load_pos_postcard};
        for (int p = 0; p < kLoadPathCount; ++p)
            numbers.push_back({paths[p].first, Joined(load, paths[p].second),
                               pick(shortPaths[p], longPaths[p]), kLoadPositionRange,
                               TXT_UNIT_LOAD_POSITION});
        numbers.push_back({"cut_sheet_adjust", PlainLabel(TXT_FORMAT_CUT_ADJUST),
                           pick(short_record::cut_sheet_adjust, long_record::cut_sheet_adjust),
                           kCorrectionRange, TXT_UNIT_COLUMNS});
        numbers.push_back(
            {"front_tractor_adjust", PlainLabel(TXT_FORMAT_FRONT_ADJUST),
             pick(short_record::front_tractor_adjust, long_record::front_tractor_adjust),
             kCorrectionRange, TXT_UNIT_COLUMNS});
        std::string section = "format" + std::to_string(n);
        std::string prefix = std::string(kFormatList[n]) + " ";
        for (const RecordNumber& number : numbers) {
            Field absolute{kFormatFields[n].offset + number.field.offset, number.field.width};
            c.Add<RangeSetting>(section, number.key, 0, prefix + number.label, absolute,
                                number.range, number.unit);
        }
    }
}

void AddParamPage(Catalogue& c) {
    using namespace settings;
    const int page = 1;
    auto range = [&](Field f, const char* key, std::string label, ValueRange r, const char* unit,
                     int fallback) {
        c.Add<RangeSetting>("param", key, page, label, f, r, unit, fallback);
    };
    range(field::centring_cut_sheet, "centring_cut_sheet",
          Joined(TXT_PARAM_CENTRING, TXT_PARAM_CENTRING_CUT), kCentringRange, TXT_UNIT_COLUMNS,
          kCentringDefault);
    range(field::centring_front_tractor, "centring_front_tractor",
          Joined(TXT_PARAM_CENTRING, TXT_PARAM_CENTRING_FRONT), kCentringRange, TXT_UNIT_COLUMNS,
          kCentringDefault);
    range(field::centring_rear_tractor, "centring_rear_tractor",
          Joined(TXT_PARAM_CENTRING, TXT_PARAM_CENTRING_REAR), kRearCentringRange, TXT_UNIT_COLUMNS,
          kRearCentringDefault);
    c.Add<ListSetting>("param", "kanji_table", page, PlainLabel(TXT_PARAM_KANJI),
                       field::kanji_table, DigitChoices(kKanjiList), kKanjiList[0]);
    c.Add<ListSetting>("param", "font1", page, Joined(TXT_PARAM_FONTS, TXT_PARAM_FONT1),
                       field::font1, DigitChoices(kFontList), kFontList[0]);
    c.Add<ListSetting>("param", "font2", page, Joined(TXT_PARAM_FONTS, TXT_PARAM_FONT2),
                       field::font2, DigitChoices(kFontList), kFontList[0]);
    static constexpr int aga[8] = {0, 1, 2, 3, 4, 5, 6, 7};
    c.Add<ListSetting>("param", "aga_retry_time", page, PlainLabel(TXT_PARAM_AGA),
                       field::aga_retry_time, NumberChoices(kAgaList, aga),
                       kAgaList[kAgaDefaultIndex]);
    c.Add<ListSetting>("param", "auto_return_time", page, PlainLabel(TXT_PARAM_AUTO_RETURN),
                       field::auto_return_time,
                       NumberChoices(kAutoReturnList, kAutoReturnCodes.data()), kAutoReturnList[2]);
    c.Add<ListSetting>("param", "postcard_mode", page, PlainLabel(TXT_PARAM_POSTCARD),
                       field::postcard_mode,
                       TwoTexts(TXT_PARAM_POSTCARD_OFF, TXT_PARAM_POSTCARD_ON),
                       PlainLabel(TXT_PARAM_POSTCARD_OFF));
    range(field::sheet_guide_feed_time_digit, "sheet_guide_feed_time",
          PlainLabel(TXT_PARAM_FEED_TIME), kFeedTimeRange, TXT_UNIT_SECONDS, kFeedTimeRange.min);
    const std::pair<Field, std::pair<const char*, const char*>> pitches[] = {
        {field::lf_pitch_sheet_guide, {"lf_pitch_sheet_guide", TXT_PARAM_LF_SHEET_GUIDE}},
        {field::lf_pitch_sheet_feeder, {"lf_pitch_sheet_feeder", TXT_PARAM_LF_SHEET_FEEDER}},
        {field::lf_pitch_front_tractor, {"lf_pitch_front_tractor", TXT_PARAM_LF_FRONT}},
        {field::lf_pitch_rear_tractor, {"lf_pitch_rear_tractor", TXT_PARAM_LF_REAR}}};
    for (const auto& pitch : pitches)
        c.Add<SignedSetting>("param", pitch.second.first, page,
                             Joined(TXT_PARAM_LF_PITCH, pitch.second.second), pitch.first,
                             SignedChoices(kLfPitchList, -5), "");
}

// The texts of one memory switch with a control: group caption, switch label and the
// texts of its two states (check boxes have only a label).
struct SwitchTexts {
    const char* caption;
    const char* label;
    const char* off;
    const char* on;
};

// Indexed [msw - 1][switch - 1]; null captions for switches without a control or under
// the country list.
const SwitchTexts kSwitchTexts[settings::kMswCount][settings::kSwitchCount] = {
    {{},
     {},
     {},
     {},
     {TXT_MSW1_DC, TXT_MSW1_5, TXT_MSW1_DC_ENABLED, TXT_MSW1_DC_DISABLED},
     {TXT_MSW1_AUTO, TXT_MSW1_6, TXT_MSW1_AUTO_CRLF, TXT_MSW1_AUTO_CR},
     {TXT_MSW1_PRINT, TXT_MSW1_7, TXT_MSW1_PRINT_CR, TXT_MSW1_PRINT_CODES},
     {TXT_MSW1_CR, TXT_MSW1_8, TXT_MSW1_CR_RETURN, TXT_MSW1_CR_RETURN_LF}},
    {{TXT_MSW2_SLASHED_ZERO, nullptr, nullptr, nullptr},
     {TXT_MSW2_PAPER_OUT, TXT_MSW2_2, TXT_MSW2_PAPER_OUT_PRINTING, TXT_MSW2_PAPER_OUT_ALWAYS},
     {TXT_MSW2_DOTS, TXT_MSW2_3, TXT_MSW2_DOTS_NATIVE, TXT_MSW2_DOTS_COPY},
     {},
     {TXT_MSW2_MODE, TXT_MSW2_5, TXT_MSW2_MODE_HD, TXT_MSW2_MODE_HS},
     {TXT_MSW2_DATA, TXT_MSW2_6, TXT_MSW2_DATA_8, TXT_MSW2_DATA_7},
     {TXT_MSW2_WIDTH, TXT_MSW2_7, TXT_MSW2_WIDTH_136, TXT_MSW2_WIDTH_80},
     {TXT_MSW2_DIRECTION, TXT_MSW2_8, TXT_MSW2_BIDIRECTIONAL, TXT_MSW2_UNIDIRECTIONAL}},
    {{TXT_MSW3_LAN, TXT_MSW3_1, TXT_MSW3_LAN_NO, TXT_MSW3_LAN_YES},
     {},
     {TXT_MSW3_REMEMBER, TXT_MSW3_3, TXT_MSW3_REMEMBER_YES, TXT_MSW3_REMEMBER_NO},
     {TXT_MSW3_LOAD, TXT_MSW3_4, TXT_MSW3_LOAD_ESC_A, TXT_MSW3_LOAD_CODES},
     {TXT_MSW3_CUT_FEED, TXT_MSW3_5, TXT_MSW3_CUT_FEED_OFF, TXT_MSW3_CUT_FEED_ON},
     {},
     {TXT_MSW3_SLASHED_ZERO, nullptr, nullptr, nullptr},
     {TXT_MSW3_SKIP, TXT_MSW3_8, TXT_MSW3_SKIP_OFF, TXT_MSW3_SKIP_ON}},
    {{TXT_MSW4_EDGE, TXT_MSW4_1, TXT_MSW4_EDGE_DETECT, TXT_MSW4_EDGE_IGNORE},
     {TXT_MSW4_FEEDER, TXT_MSW4_2, TXT_MSW4_FEEDER_THROUGHPUT, TXT_MSW4_FEEDER_SKEW},
     {TXT_MSW4_CUT, TXT_MSW4_3, TXT_MSW4_CUT_FIXED, TXT_MSW4_CUT_TOF},
     {TXT_MSW4_DOT, TXT_MSW4_4, TXT_MSW4_DOT_UNIDIRECTIONAL, TXT_MSW4_DOT_BIDIRECTIONAL},
     {TXT_MSW4_SPEED, TXT_MSW4_5, TXT_MSW4_SPEED_NORMAL, TXT_MSW4_SPEED_HIGH},
     {TXT_MSW4_GUIDE_EJECT, TXT_MSW4_6, TXT_MSW4_GUIDE_EJECT_COMMANDED, TXT_MSW4_GUIDE_EJECT_REAR},
     {TXT_MSW4_FEEDER_EJECT, TXT_MSW4_7, TXT_MSW4_FEEDER_EJECT_COMMANDED,
      TXT_MSW4_FEEDER_EJECT_REAR},
     {TXT_MSW4_GUIDE_LOADING, TXT_MSW4_8, TXT_MSW4_GUIDE_AUTO, TXT_MSW4_GUIDE_MANUAL}},
};

void AddSwitch(Catalogue& c, int msw, int number) {
    using settings::SwitchKind;
    const settings::SwitchControl& control = settings::kMswControls[msw - 1][number - 1];
    const SwitchTexts& texts = kSwitchTexts[msw - 1][number - 1];
    std::string label, off = "0", on = "1";
    if (control.kind == SwitchKind::Radio) {
        label = Joined(texts.caption, texts.label);
        off = PlainLabel(texts.off);
        on = PlainLabel(texts.on);
    } else if (control.kind == SwitchKind::Check) {
        label = PlainLabel(texts.caption);
        off = kUnchecked;
        on = kChecked;
    } else {
        char text[32];
        std::snprintf(text, sizeof text, kNoControlSwitchFormat, msw, number);
        label = text;
    }
    c.settings.push_back(std::make_unique<SwitchSetting>(msw, number, label, off, on));
}

void AddMswPages(Catalogue& c) {
    for (int msw = 1; msw <= settings::kMswCount; ++msw) {
        for (int number = 1; number <= settings::kSwitchCount; ++number) {
            bool country =
                settings::kMswControls[msw - 1][number - 1].kind == settings::SwitchKind::Country;
            if (country && number == 1) c.settings.push_back(std::make_unique<CountrySetting>());
            if (!country) AddSwitch(c, msw, number);
        }
        c.settings.push_back(std::make_unique<HighBitsSetting>(msw));
        Field f = settings::kMswFields[msw - 1];
        c.covered[f.offset] = c.covered[f.offset + 1] = true;
    }
}

SettingList BuildSettings() {
    Catalogue c;
    AddSelectPage(c);
    AddFormats(c);
    AddParamPage(c);
    AddMswPages(c);
    for (std::size_t offset = 0; offset < settings::kBlockSize; ++offset)
        if (!c.covered[offset]) c.settings.push_back(std::make_unique<ByteSetting>(offset));
    return std::move(c.settings);
}

} // namespace

const std::vector<std::unique_ptr<Setting>>& Settings() {
    static const SettingList all = BuildSettings();
    return all;
}

const Setting* FindSetting(const std::string& section, const std::string& key) {
    static const std::map<std::string, const Setting*> byName = [] {
        std::map<std::string, const Setting*> index;
        for (const auto& setting : Settings())
            index[setting->Name()] = setting.get();
        return index;
    }();
    auto found = byName.find(section + "." + key);
    return found == byName.end() ? nullptr : found->second;
}

std::string PlainLabel(const std::string& text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        std::size_t length = cp932::IsLeadByte(c) && i + 1 < text.size() ? 2 : 1;
        bool accelerator =
            text.compare(i, 2, "(&") == 0 && i + 3 < text.size() && text[i + 3] == ')';
        if (accelerator) {
            while (!plain.empty() && plain.back() == ' ')
                plain.pop_back();
            i += 4;
            continue;
        }
        if (c != '&' && c != '\n') plain.append(text, i, length);
        i += length;
    }
    while (!plain.empty() && plain.back() == ' ')
        plain.pop_back();
    return plain;
}

} // namespace cli
