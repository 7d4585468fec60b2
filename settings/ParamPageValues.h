#pragma once
// The parameter page's values and their load and store rules.
#include "settings/Catalogue.h"

#include <array>
#include <string>

namespace settings {

// Members in the order the page exchanges them with its controls. List members hold the
// CP932 text of the selected item.
struct ParamPageValues {
    static constexpr std::size_t kListTextLimit = 20;    // bytes of CP932
    static constexpr std::size_t kLfPitchTextLimit = 10; // bytes of CP932

    std::string font1;
    std::string font2;
    std::string kanjiTable;
    int centringFrontTractor = 0;
    int centringCutSheet = 0;
    int postcardMode = 0; // radio index: 0 OFF, 1 ON, -1 none
    int centringRearTractor = 0;
    int sheetGuideFeedTime = 0;
    std::string autoReturnTime;
    std::string agaRetryTime;
    std::string lfPitchSheetGuide;
    std::string lfPitchSheetFeeder;
    std::string lfPitchFrontTractor;
    std::string lfPitchRearTractor;
};

// The settings the members hold, in member order (the order the page takes its controls).
extern const std::array<MemberOf<ParamPageValues>, 14> kParamMembers;

// Sets every member from the block. An LF-pitch field whose first character is neither
// "0" nor "F" keeps the member's previous text; an out-of-range second character of such a
// field is rewritten in the block first.
void LoadParamPage(SettingsBlock& block, ParamPageValues& values);

// Writes the page's fields; other bytes of the block stay as they are.
void StoreParamPage(const ParamPageValues& values, SettingsBlock& block);

} // namespace settings
