#include "tools/helpgen/SettingLists.h"

#include "settings/SettingTexts.h"

namespace helpgen {

namespace {

template <std::size_t N> std::vector<std::string> Items(const settings::TextList<N>& list) {
    return std::vector<std::string>(list.begin(), list.end());
}

} // namespace

ListTable SettingLists() {
    return {
        {"country", Items(settings::kCountryList)},
        {"font", Items(settings::kFontList)},
        {"kanji", Items(settings::kKanjiList)},
        {"auto_return", Items(settings::kAutoReturnList)},
        {"aga", Items(settings::kAgaList)},
        {"lf_pitch", Items(settings::kLfPitchList)},
        {"print_pressure", Items(settings::kPrintPressureList)},
        {"print_position", Items(settings::kPrintPositionList)},
        {"paper_thickness", Items(settings::kPaperThicknessList)},
        {"reduction", Items(settings::kReductionList)},
        {"copy_power", Items(settings::kCopyPowerList)},
        {"format", Items(settings::kFormatList)},
    };
}

} // namespace helpgen
