#pragma once
// Every setting of the settings block as the command line names it: its place in the
// text form (section and key), the page and label it has in TBK42, the value word the text
// form writes, how the page shows it, and its raw code. Together the settings cover every
// byte of the block, so a block can be rebuilt from them byte for byte.
#include "settings/SettingsBlock.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cli {

// Pages in tab order (settings::kPageTitles); the bytes no page edits have none.
constexpr int kNoPage = -1;

class Setting {
public:
    Setting(std::string section, std::string key, int page, std::string label, std::string title)
        : section(std::move(section)), key(std::move(key)), page(page), label(std::move(label)),
          title(std::move(title)) {}
    virtual ~Setting() = default;

    // The value word of the text form, or nothing when the block holds a code that no
    // page shows (the setting is then written as its raw code).
    virtual std::optional<std::string> Word(const settings::SettingsBlock& block) const = 0;
    // What the page shows for the block's code; empty when the page shows nothing.
    virtual std::string Shown(const settings::SettingsBlock& block) const = 0;
    // The setting's bytes (or bits) as hexadecimal capitals.
    virtual std::string Raw(const settings::SettingsBlock& block) const = 0;
    // Writes a value word; false, writing nothing, for a word the page does not offer.
    virtual bool SetWord(const std::string& word, settings::SettingsBlock& block) const = 0;
    // Writes a raw code of exactly Raw's length; false, writing nothing, for another one.
    virtual bool SetRaw(const std::string& hex, settings::SettingsBlock& block) const = 0;
    // The words the page offers, for messages: "0, 1, 2" or "10..68".
    virtual std::string Choices() const = 0;
    // A setting with a usual value may be left out of the text form while it holds it.
    virtual bool IsUsual(const settings::SettingsBlock&) const { return false; }

    std::string Name() const { return section + "." + key; }

    const std::string section;
    const std::string key;
    const int page;
    const std::string label; // CP932, without accelerators
    const std::string title; // the section's heading: the page title or the format's name
};

// All settings in the order of the text form: by page, the formats after the
// function-selection page, then the bytes that no page edits.
const std::vector<std::unique_ptr<Setting>>& Settings();

// The section of the format record `formatNumber`: "format0".."format4".
std::string FormatSection(std::size_t formatNumber);

// The setting of `section`.`key`, or null.
const Setting* FindSetting(const std::string& section, const std::string& key);

// A control's text as a label: accelerators "(&X)" and "&", line breaks and the blanks
// around them taken out, on character boundaries.
std::string PlainLabel(const std::string& text);

} // namespace cli
