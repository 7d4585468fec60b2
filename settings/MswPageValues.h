#pragma once
// The four memory-switch pages: which control edits each switch bit, and the load and store
// rules between the page values and the block fields `msw1`..`msw4`.
#include "settings/SettingsBlock.h"

#include <array>
#include <string>

namespace settings {

constexpr int kMswCount = 4;
constexpr int kSwitchCount = 8;

enum class SwitchKind {
    None,    // no control: the bit is carried unchanged
    Radio,   // two radio buttons: the first means 0, the second 1
    Check,   // a check box: checked means 1
    Country, // switches 1-3 of MSW1 together, edited by the country list
};

struct SwitchControl {
    SwitchKind kind;
    int firstId;  // first radio button, the check box or the country list
    int secondId; // second radio button; 0 for the other kinds
};

constexpr int kCountryListId = 1010;

// The controls of each page, indexed [msw number - 1][switch number - 1].
inline constexpr std::array<std::array<SwitchControl, kSwitchCount>, kMswCount> kMswControls{{
    {{{SwitchKind::Country, kCountryListId, 0},
      {SwitchKind::Country, kCountryListId, 0},
      {SwitchKind::Country, kCountryListId, 0},
      {SwitchKind::None, 0, 0},
      {SwitchKind::Radio, 1016, 1235},
      {SwitchKind::Radio, 1008, 1012},
      {SwitchKind::Radio, 1011, 1234},
      {SwitchKind::Radio, 1014, 1015}}},
    {{{SwitchKind::Check, 1016, 0},
      {SwitchKind::Radio, 1017, 1018},
      {SwitchKind::Radio, 1019, 1236},
      {SwitchKind::None, 0, 0},
      {SwitchKind::Radio, 1020, 1235},
      {SwitchKind::Radio, 1021, 1012},
      {SwitchKind::Radio, 1022, 1234},
      {SwitchKind::Radio, 1024, 1015}}},
    {{{SwitchKind::Radio, 1031, 1237},
      {SwitchKind::None, 0, 0},
      {SwitchKind::Radio, 1027, 1236},
      {SwitchKind::Radio, 1029, 1009},
      {SwitchKind::Radio, 1028, 1235},
      {SwitchKind::None, 0, 0},
      {SwitchKind::Check, 1026, 0},
      {SwitchKind::Radio, 1030, 1015}}},
    {{{SwitchKind::Radio, 1031, 1237},
      {SwitchKind::Radio, 1032, 1018},
      {SwitchKind::Radio, 1033, 1236},
      {SwitchKind::Radio, 1034, 1009},
      {SwitchKind::Radio, 1035, 1235},
      {SwitchKind::Radio, 1036, 1012},
      {SwitchKind::Radio, 1037, 1234},
      {SwitchKind::Radio, 1039, 1015}}},
}};

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
