#pragma once
// The four memory-switch pages: the load and store rules between the page values and the
// block fields `msw1`..`msw4`, by the switch rows of the catalogue.
#include "settings/Catalogue.h"

#include <array>
#include <string>

namespace settings {

// The values of one memory-switch page. `switches[i]` belongs to switch i + 1 and means,
// by the kind of its control: a radio index (-1 for none), a check state 0/1, or the
// carried bit of a switch without a control. Switches under the country list keep 0 there;
// their value is `country`.
struct MswPageValues {
    static constexpr std::size_t kCountryTextLimit = 20; // bytes of CP932

    // Radio members -1, check boxes and carried bits 0, country empty.
    explicit MswPageValues(int mswNumber);

    std::array<int, kSwitchCount> switches{};
    std::string country;
};

// Sets the values from the block field of page `mswNumber` (1 to 4). Returns false and
// changes nothing for any other page number.
bool LoadMswPage(int mswNumber, const SettingsBlock& block, MswPageValues& values);

// Writes the values into the block field of page `mswNumber` (1 to 4): a member of 1 is
// bit 1, anything else (0, or -1 before the first load) is bit 0. Returns false and writes
// nothing for any other page number.
bool StoreMswPage(int mswNumber, const MswPageValues& values, SettingsBlock& block);

} // namespace settings
