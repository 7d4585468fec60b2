#include "cli/TextForm.h"

#include "cli/Format.h"
#include "cli/Messages.h"
#include "cli/Settings.h"
#include "settings/Catalogue.h"
#include "settings/FactoryBlock.h"
#include "text/Cp932.h"
#include "text/Number.h"

#include <map>
#include <vector>

namespace cli {
namespace {

std::string Trimmed(const std::string& text) {
    std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos) return "";
    std::size_t end = text.find_last_not_of(" \t");
    return text.substr(begin, end - begin + 1);
}

// One line of a text: a comment or blank (nothing set), a section or an entry.
struct Line {
    enum Kind { Empty, Section, Entry, Bad } kind = Empty;
    std::string name; // section, or key of an entry
    std::string value;
};

// True when `text` ends in "]" as a character of its own: 0x5D is also a CP932 trail
// byte ("ゾ" is 0x83 0x5D).
bool EndsInBracket(const std::string& text) {
    return !text.empty() && text.back() == ']' &&
           cp932::FitLength(text, text.size() - 1) == text.size() - 1;
}

// ";" and "#" are below the range of CP932 trail bytes, so the first one starts the
// comment even after double-byte text.
Line ParseLine(const std::string& raw) {
    std::string text = raw;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    text = Trimmed(text.substr(0, text.find_first_of(";#")));
    Line line;
    if (text.empty()) return line;
    if (text.front() == '[') {
        line.kind = EndsInBracket(text) ? Line::Section : Line::Bad;
        line.name = Trimmed(text.substr(1, text.size() - 2));
        return line;
    }
    std::size_t equals = text.find('=');
    if (equals == std::string::npos) {
        line.kind = Line::Bad;
        return line;
    }
    line.kind = Line::Entry;
    line.name = Trimmed(text.substr(0, equals));
    line.value = Trimmed(text.substr(equals + 1));
    return line;
}

// Writes one entry's value into the block, or says why not.
bool ApplyValue(const Setting& setting, const std::string& value, settings::SettingsBlock& block,
                std::string& why, const std::string& source, int number) {
    const std::size_t prefix = sizeof kRawPrefix - 1;
    if (value.compare(0, prefix, kRawPrefix) == 0) {
        std::string hex = value.substr(prefix);
        if (setting.SetRaw(hex, block)) return true;
        int digits = static_cast<int>(setting.Raw(block).size());
        why = Format(kBadRaw, source.c_str(), number, setting.Name().c_str(), hex.c_str(), digits);
        return false;
    }
    if (setting.SetWord(value, block)) return true;
    why = Format(kBadValue, source.c_str(), number, setting.Name().c_str(), value.c_str(),
                 setting.Choices().c_str());
    return false;
}

// A setting given in the text: its line and value.
struct Given {
    int line;
    std::string value;
};

// The format dialog's rule between the margins of a long format: when `setting` is a right
// margin that the block holds as a word not beyond its left margin (also a word), the
// least right margin the rule allows; 0 otherwise.
int RefusedRightMargin(const Setting& setting, const settings::SettingsBlock& block) {
    const settings::Row& leftRow = settings::RecordRow(&settings::FormatFields::leftMargin);
    const settings::Row& rightRow = settings::RecordRow(&settings::FormatFields::rightMargin);
    const Setting* left = FindSetting(setting.section, leftRow.key);
    if (setting.key != rightRow.key || !left) return 0;
    std::optional<std::string> leftWord = left->Word(block), rightWord = setting.Word(block);
    int leftMargin = 0, rightMargin = 0;
    if (!leftWord || !rightWord || !number::ParseInteger(*leftWord, leftMargin) ||
        !number::ParseInteger(*rightWord, rightMargin))
        return 0;
    int least = settings::LeastRightMargin(leftMargin);
    return rightMargin < least ? least : 0;
}

// False, with the message for the right margin's line, when a right margin given as a
// word breaks the format dialog's rule (one given as a raw code is taken as it is).
bool MarginsInOrder(const settings::SettingsBlock& block,
                    const std::map<const Setting*, Given>& given, const std::string& source,
                    std::string& error) {
    for (const auto& setting : Settings()) {
        auto entry = given.find(setting.get());
        if (entry == given.end() || entry->second.value.compare(0, 4, kRawPrefix) == 0) continue;
        int least = RefusedRightMargin(*setting, block);
        if (!least) continue;
        std::string choices = setting->Choices();
        choices = std::to_string(least) + choices.substr(choices.find(".."));
        error = Format(kBadValue, source.c_str(), entry->second.line, setting->Name().c_str(),
                       entry->second.value.c_str(), choices.c_str());
        return false;
    }
    return true;
}

} // namespace

std::string ExportText(const settings::SettingsBlock& block) {
    std::string text = kTextFormHeader;
    std::string section;
    for (const auto& setting : Settings()) {
        if (setting->IsUsual(block)) continue;
        if (setting->section != section) {
            section = setting->section;
            text += "\n[" + section + "] ; " + setting->title + "\n";
        }
        std::optional<std::string> word = setting->Word(block);
        // A right margin the format dialog would refuse is kept as its code, so that
        // import gives it back.
        if (RefusedRightMargin(*setting, block)) word.reset();
        std::string shown = setting->Shown(block);
        text += setting->key + " = " + (word ? *word : kRawPrefix + setting->Raw(block));
        text += " ; " + setting->label + (shown.empty() ? "" : ": " + shown) + "\n";
    }
    return text;
}

bool ImportText(const std::string& text, const std::string& source, settings::SettingsBlock& block,
                std::string& error) {
    settings::SettingsBlock result = settings::FactoryBlock;
    std::map<const Setting*, Given> given;
    std::string section;
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        Line line = ParseLine(text.substr(start, end - start));
        start = end + 1;
        ++number;
        const char* name = source.c_str();
        if (line.kind == Line::Bad) {
            error = Format(kLineSyntax, name, number);
            return false;
        }
        if (line.kind == Line::Section) section = line.name;
        if (line.kind != Line::Entry) continue;
        if (section.empty()) {
            error = Format(kOutsideSection, name, number);
            return false;
        }
        const Setting* setting = FindSetting(section, line.name);
        std::string full = section + "." + line.name;
        if (!setting) {
            error = Format(kUnknownSetting, name, number, full.c_str());
            return false;
        }
        if (!given.insert({setting, {number, line.value}}).second) {
            error = Format(kTwice, name, number, full.c_str());
            return false;
        }
        std::string why;
        if (!ApplyValue(*setting, line.value, result, why, source, number)) {
            error = why;
            return false;
        }
    }
    for (const auto& setting : Settings())
        if (!given.count(setting.get()) && !setting->IsUsual(settings::FactoryBlock)) {
            error = Format(kMissing, source.c_str(), setting->Name().c_str());
            return false;
        }
    if (!MarginsInOrder(result, given, source, error)) return false;
    block = result;
    return true;
}

} // namespace cli
