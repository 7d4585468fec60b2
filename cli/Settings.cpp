#include "cli/Settings.h"

#include "cli/Messages.h"
#include "cli/RawSettings.h"
#include "settings/Catalogue.h"
#include "settings/SelectPageValues.h"
#include "text/Cp932.h"
#include "text/Number.h"

#include <array>
#include <cstdio>
#include <map>

namespace cli {
namespace {

using settings::Field;
using settings::Kind;
using settings::Row;
using settings::SettingsBlock;

// The sections of the pages in tab order.
const char* const kPageSections[] = {"select", "param", "msw1", "msw2", "msw3", "msw4"};

// Words match when they are equal or name the same integer ("08" and "8", "+3" and "3").
bool SameWord(const std::string& a, const std::string& b) {
    int x = 0, y = 0;
    return a == b || (number::ParseInteger(a, x) && number::ParseInteger(b, y) && x == y);
}

std::string Joined(const std::string& group, const std::string& label) {
    return PlainLabel(group) + " " + PlainLabel(label);
}

std::string WithUnit(const std::string& value, const char* unit) {
    return unit ? value + " " + unit : value;
}

// One code a setting's page offers: the field's bytes (or bits) and the text form's word.
struct Choice {
    std::string code;
    std::string word;
};

// The codes a row offers, each as the page's store rule writes it into `f`.
std::vector<Choice> ChoicesOf(const Row& row, Field f) {
    std::vector<Choice> choices;
    auto add = [&](auto write, const std::string& word) {
        SettingsBlock scratch;
        write(scratch);
        choices.push_back({scratch.Text(f), word});
    };
    const settings::ListRule& list = row.list;
    switch (row.kind) {
    case Kind::List:
        for (int i = 0; i < list.count; ++i)
            add([&](SettingsBlock& b) { b.SetNumber(f, list.CodeOf(i)); },
                std::to_string(list.CodeOf(i)));
        break;
    case Kind::Position:
        for (int i = 0; i < list.count; ++i)
            add([&](SettingsBlock& b) { settings::WriteSigned(b, f, list.CodeOf(i)); },
                list.texts[i]);
        break;
    case Kind::Signed:
        for (int v = row.signedRange.negativeMin - 'G'; v <= row.signedRange.positiveMax - '0'; ++v)
            add([&](SettingsBlock& b) { settings::WriteSigned(b, f, v); },
                settings::FormatSigned(v));
        break;
    case Kind::Radio:
        for (int v = 0; v <= 1; ++v)
            add([&](SettingsBlock& b) { b.SetFlag(f, v); }, std::to_string(v));
        break;
    default:
        break;
    }
    return choices;
}

// A setting of one catalogue row, in whole bytes of the block; `record` is the format
// number of a record's number, -1 for the others.
class RowSetting : public Setting {
public:
    RowSetting(const Row& row, std::string section, std::string label, std::string title,
               Field field, int record)
        : Setting(std::move(section), row.key, row.page, std::move(label), std::move(title)),
          row(row), field(field), record(record), choices(ChoicesOf(row, field)) {}

    std::optional<std::string> Word(const SettingsBlock& block) const override {
        if (IsNumber()) {
            int value = block.Number(field);
            SettingsBlock rewritten = block;
            rewritten.SetNumber(field, value);
            if (rewritten != block || value < row.range.min || value > row.range.max)
                return std::nullopt;
            return std::to_string(value);
        }
        std::string code = block.Text(field);
        for (const Choice& choice : choices)
            if (choice.code == code) return choice.word;
        return std::nullopt;
    }

    std::string Shown(const SettingsBlock& block) const override {
        SettingsBlock copy = block;
        switch (row.kind) {
        case Kind::Radio:
            return PlainLabel(settings::LoadNumber(row, block) ? row.on : row.off);
        case Kind::Number:
            return WithUnit(std::to_string(settings::LoadNumber(row, block)), row.unit);
        case Kind::Record:
            return WithUnit(std::to_string(RecordNumber(block)), row.unit);
        default: {
            std::optional<std::string> text = settings::LoadText(row, copy);
            return text ? WithUnit(*text, row.unit) : "";
        }
        }
    }

    std::string Raw(const SettingsBlock& block) const override {
        return Hex(block.bytes.data() + field.offset, field.width);
    }

    bool SetWord(const std::string& word, SettingsBlock& block) const override {
        if (IsNumber()) {
            int value = 0;
            if (!number::ParseInteger(word, value) || value < row.range.min ||
                value > row.range.max)
                return false;
            block.SetNumber(field, value);
            return true;
        }
        for (const Choice& choice : choices)
            if (SameWord(word, choice.word)) {
                block.SetText(field, choice.code);
                return true;
            }
        return false;
    }

    bool SetRaw(const std::string& hex, SettingsBlock& block) const override {
        std::vector<unsigned char> bytes;
        if (!ParseHexBytes(hex, field.width, bytes)) return false;
        for (std::size_t i = 0; i < field.width; ++i)
            block.At(field, i) = bytes[i];
        return true;
    }

    std::string Choices() const override {
        if (IsNumber()) return std::to_string(row.range.min) + ".." + std::to_string(row.range.max);
        std::string text;
        for (const Choice& choice : choices)
            text += (text.empty() ? "" : ", ") + choice.word;
        return text;
    }

private:
    bool IsNumber() const { return row.kind == Kind::Number || row.kind == Kind::Record; }

    // What the format dialog shows for the number, from the record as it parses it.
    int RecordNumber(const SettingsBlock& block) const {
        settings::SelectPageValues values;
        SettingsBlock copy = block;
        settings::LoadSelectPage(copy, values);
        settings::FormatFields fields =
            record == 0 ? settings::ParseShortRecord(values.format0)
                        : settings::ParseLongRecord(values.longFormats[record - 1]);
        return settings::NumberOf(fields, row);
    }

    const Row& row;
    const Field field;
    const int record;
    const std::vector<Choice> choices;
};

// One memory switch: 0 or 1, shown as the text of its radio button or check state, or as
// the bit itself when the switch has no control.
class SwitchSetting : public Setting {
public:
    SwitchSetting(const Row& row, std::string label, std::string title)
        : Setting(kPageSections[row.page], "switch" + std::to_string(row.bit + 1), row.page,
                  std::move(label), std::move(title)),
          row(row), mask(1u << row.bit) {}

    std::optional<std::string> Word(const SettingsBlock& block) const override {
        return Raw(block);
    }
    std::string Shown(const SettingsBlock& block) const override {
        bool on = settings::LoadNumber(row, block) == 1;
        if (row.control == settings::SwitchControl::Radio) return PlainLabel(on ? row.on : row.off);
        if (row.control == settings::SwitchControl::Check) return on ? kChecked : kUnchecked;
        return Raw(block);
    }
    std::string Raw(const SettingsBlock& block) const override {
        return settings::LoadNumber(row, block) == 1 ? "1" : "0";
    }
    bool SetWord(const std::string& word, SettingsBlock& block) const override {
        if (word != "0" && word != "1") return false;
        settings::StoreNumber(row, word == "1" ? 1 : 0, block);
        return true;
    }
    bool SetRaw(const std::string& hex, SettingsBlock& block) const override {
        return SetWord(hex, block);
    }
    std::string Choices() const override { return "0, 1"; }

private:
    const Row& row;
    const unsigned mask;
};

// Switches 1-3 of MSW1 together: the country code of the international character set.
class CountrySetting : public Setting {
public:
    CountrySetting(const Row& row, std::string title)
        : Setting(kPageSections[row.page], row.key, row.page, PlainLabel(row.label),
                  std::move(title)),
          row(row) {}

    std::optional<std::string> Word(const SettingsBlock& block) const override {
        unsigned code = Code(block);
        if (row.list.IndexOfCode(static_cast<int>(code)) < 0) return std::nullopt;
        return std::to_string(code);
    }
    std::string Shown(const SettingsBlock& block) const override {
        SettingsBlock copy = block;
        return *settings::LoadText(row, copy);
    }
    std::string Raw(const SettingsBlock& block) const override {
        return std::string(1, kHexDigits[Code(block)]);
    }
    bool SetWord(const std::string& word, SettingsBlock& block) const override {
        for (int i = 0; i < row.list.count; ++i)
            if (SameWord(word, std::to_string(row.list.CodeOf(i)))) {
                settings::StoreText(row, row.list.texts[i], block);
                return true;
            }
        return false;
    }
    bool SetRaw(const std::string& hex, SettingsBlock& block) const override {
        unsigned code = 0;
        if (!ParseHexNumber(hex, 1, code) || code > settings::kCountryMask) return false;
        settings::SetSwitchBits(block, row.field, settings::kCountryMask, code);
        return true;
    }
    std::string Choices() const override {
        std::string text;
        for (int i = 0; i < row.list.count; ++i)
            text += (text.empty() ? "" : ", ") + std::to_string(row.list.CodeOf(i));
        return text;
    }

private:
    unsigned Code(const SettingsBlock& block) const {
        return settings::SwitchBits(block, row.field) & settings::kCountryMask;
    }
    const Row& row;
};

using SettingList = std::vector<std::unique_ptr<Setting>>;

// Builds the list from the catalogue and notes which block bytes its settings cover.
class Builder {
public:
    SettingList settings;
    std::array<bool, settings::kBlockSize> covered{};

    void Add(const Row& row, std::string section, std::string label, std::string title, Field f,
             int record = -1) {
        settings.push_back(std::make_unique<RowSetting>(row, std::move(section), std::move(label),
                                                        std::move(title), f, record));
        for (std::size_t i = 0; i < f.width; ++i)
            covered[f.offset + i] = true;
    }

    std::string Label(const Row& row) const {
        return row.group ? Joined(row.group, row.label) : PlainLabel(row.label);
    }

    void AddPage(int page) {
        std::string title = settings::kPageTitles[page];
        for (const Row* row : settings::PageRows(page)) {
            if (row->kind == Kind::Switch)
                AddSwitch(*row, title);
            else if (row->kind == Kind::Country)
                settings.push_back(std::make_unique<CountrySetting>(*row, title));
            else
                Add(*row, kPageSections[page], Label(*row), title, row->field);
        }
        if (page < settings::kMsw1Page) return;
        settings.push_back(MakeHighBitsSetting(kPageSections[page], page, title));
        Field f = settings::kMswFields[page - settings::kMsw1Page];
        covered[f.offset] = covered[f.offset + 1] = true;
    }

    void AddSwitch(const Row& row, const std::string& title) {
        std::string label;
        if (row.label)
            label = Label(row);
        else {
            char text[32];
            std::snprintf(text, sizeof text, kNoControlSwitchFormat,
                          row.page - settings::kMsw1Page + 1, row.bit + 1);
            label = text;
        }
        settings.push_back(std::make_unique<SwitchSetting>(row, label, title));
    }

    void AddFormats() {
        for (std::size_t n = 0; n < settings::kFormatCount; ++n) {
            std::string title = settings::kFormatList[n];
            for (const Row* row : settings::RowsOf(settings::kSelectPage, Kind::Record)) {
                Field inRecord = settings::RecordField(*row, static_cast<int>(n));
                if (!inRecord.width) continue;
                Field f{settings::kFormatFields[n].offset + inRecord.offset, inRecord.width};
                Add(*row, FormatSection(n), title + " " + Label(*row), title, f,
                    static_cast<int>(n));
            }
        }
    }
};

SettingList BuildSettings() {
    Builder b;
    b.AddPage(settings::kSelectPage);
    b.AddFormats();
    for (int page = settings::kParamPage; page <= settings::kMsw4Page; ++page)
        b.AddPage(page);
    for (std::size_t offset = 0; offset < settings::kBlockSize; ++offset)
        if (!b.covered[offset]) b.settings.push_back(MakeByteSetting(offset));
    return std::move(b.settings);
}

} // namespace
const std::vector<std::unique_ptr<Setting>>& Settings() {
    static const SettingList all = BuildSettings();
    return all;
}

std::string FormatSection(std::size_t formatNumber) {
    return "format" + std::to_string(formatNumber);
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
        std::size_t length = cp932::CharLength(text, i);
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
