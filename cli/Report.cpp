#include "cli/Report.h"

#include "cli/Format.h"
#include "cli/Messages.h"
#include "cli/Settings.h"
#include "settings/SettingTexts.h"

namespace cli {
namespace {

// What the page shows, and the raw code when the page shows no code of its own for it.
std::string Value(const Setting& setting, const settings::SettingsBlock& block) {
    std::string value = setting.Shown(block);
    if (!setting.Word(block)) value += Format(kRawCodeFormat, setting.Raw(block).c_str());
    return value;
}

std::string PageTitle(int page) {
    return page == kNoPage ? kOtherBytesTitle : settings::kPageTitles[page];
}

} // namespace

std::string ShowBlock(const settings::SettingsBlock& block) {
    std::string text;
    int page = -2;
    for (const auto& setting : Settings()) {
        if (setting->IsUsual(block)) continue;
        if (setting->page != page) {
            page = setting->page;
            text += (text.empty() ? "" : "\n") + PageTitle(page) + "\n";
        }
        text += "  " + setting->label + ": " + Value(*setting, block) + "\n";
    }
    return text;
}

std::string DiffBlocks(const settings::SettingsBlock& a, const settings::SettingsBlock& b) {
    std::string text;
    for (const auto& setting : Settings()) {
        if (setting->Raw(a) == setting->Raw(b)) continue;
        text += PageTitle(setting->page) + " " + setting->label + " [" + setting->Name() +
                "]: " + Value(*setting, a) + " -> " + Value(*setting, b) + "\n";
    }
    return text;
}

} // namespace cli
