#pragma once
// The function-selection page's values, including the five format records that its format
// dialog edits, and their load and store rules.
#include "settings/Catalogue.h"

#include <array>
#include <string>

namespace settings {

// Members in the order the page exchanges them with its controls. List members hold the
// CP932 text of the selected item; radio members are indexes with -1 for none.
struct SelectPageValues {
    static constexpr std::size_t kListTextLimit = 20;          // bytes of CP932
    static constexpr std::size_t kPrintPositionTextLimit = 10; // also paper thickness

    std::string printPressure;
    std::string printPosition;
    std::string paperThickness;
    std::string reduction;
    int quietPrint = -1; // 0 "しない", 1 "する"
    int typeface = -1;   // 0 Mincho, 1 Gothic
    std::string currentFormat;
    std::string copyPower;

    ShortRecord format0{};
    std::array<LongRecord, kFormatCount - 1> longFormats{}; // `format1`..`format4`
};

// The settings the list and radio members hold, in member order (the order the page takes
// its controls).
extern const std::array<MemberOf<SelectPageValues>, 8> kSelectMembers;

// Sets every member from the block. `print_pressure` and `print_position` whose first
// character is neither "0" nor "F" keep the member's previous text; an out-of-range second
// character of `print_pressure` is rewritten in the block first.
void LoadSelectPage(SettingsBlock& block, SelectPageValues& values);

// Writes the page's fields; other bytes of the block stay as they are. An unknown text of
// the print position or the reduction leaves its field unchanged.
void StoreSelectPage(const SelectPageValues& values, SettingsBlock& block);

} // namespace settings
