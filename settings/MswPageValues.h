#pragma once
// The four memory-switch pages: which control edits each switch bit, and the load and store
// rules between the page values and the block fields `msw1`..`msw4`.
#include "settings/PageIds.h"
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

constexpr int kCountryListId = IDC_MSW1_COUNTRY;

// The controls of each page, indexed [msw number - 1][switch number - 1].
inline constexpr std::array<std::array<SwitchControl, kSwitchCount>, kMswCount> kMswControls{{
    {{{SwitchKind::Country, kCountryListId, 0},
      {SwitchKind::Country, kCountryListId, 0},
      {SwitchKind::Country, kCountryListId, 0},
      {SwitchKind::None, 0, 0},
      {SwitchKind::Radio, IDC_MSW1_DC_ENABLED, IDC_MSW1_DC_DISABLED},
      {SwitchKind::Radio, IDC_MSW1_AUTO_CRLF, IDC_MSW1_AUTO_CR},
      {SwitchKind::Radio, IDC_MSW1_PRINT_CR, IDC_MSW1_PRINT_CODES},
      {SwitchKind::Radio, IDC_MSW1_CR_RETURN, IDC_MSW1_CR_RETURN_LF}}},
    {{{SwitchKind::Check, IDC_MSW2_SLASHED_ZERO, 0},
      {SwitchKind::Radio, IDC_MSW2_PAPER_OUT_PRINTING, IDC_MSW2_PAPER_OUT_ALWAYS},
      {SwitchKind::Radio, IDC_MSW2_DOTS_NATIVE, IDC_MSW2_DOTS_COPY},
      {SwitchKind::None, 0, 0},
      {SwitchKind::Radio, IDC_MSW2_MODE_HD, IDC_MSW2_MODE_HS},
      {SwitchKind::Radio, IDC_MSW2_DATA_8, IDC_MSW2_DATA_7},
      {SwitchKind::Radio, IDC_MSW2_WIDTH_136, IDC_MSW2_WIDTH_80},
      {SwitchKind::Radio, IDC_MSW2_BIDIRECTIONAL, IDC_MSW2_UNIDIRECTIONAL}}},
    {{{SwitchKind::Radio, IDC_MSW3_LAN_NO, IDC_MSW3_LAN_YES},
      {SwitchKind::None, 0, 0},
      {SwitchKind::Radio, IDC_MSW3_REMEMBER_YES, IDC_MSW3_REMEMBER_NO},
      {SwitchKind::Radio, IDC_MSW3_LOAD_ESC_A, IDC_MSW3_LOAD_CODES},
      {SwitchKind::Radio, IDC_MSW3_CUT_FEED_OFF, IDC_MSW3_CUT_FEED_ON},
      {SwitchKind::None, 0, 0},
      {SwitchKind::Check, IDC_MSW3_SLASHED_ZERO, 0},
      {SwitchKind::Radio, IDC_MSW3_SKIP_OFF, IDC_MSW3_SKIP_ON}}},
    {{{SwitchKind::Radio, IDC_MSW4_EDGE_DETECT, IDC_MSW4_EDGE_IGNORE},
      {SwitchKind::Radio, IDC_MSW4_FEEDER_THROUGHPUT, IDC_MSW4_FEEDER_SKEW},
      {SwitchKind::Radio, IDC_MSW4_CUT_FIXED, IDC_MSW4_CUT_TOF},
      {SwitchKind::Radio, IDC_MSW4_DOT_UNIDIRECTIONAL, IDC_MSW4_DOT_BIDIRECTIONAL},
      {SwitchKind::Radio, IDC_MSW4_SPEED_NORMAL, IDC_MSW4_SPEED_HIGH},
      {SwitchKind::Radio, IDC_MSW4_GUIDE_EJECT_COMMANDED, IDC_MSW4_GUIDE_EJECT_REAR},
      {SwitchKind::Radio, IDC_MSW4_FEEDER_EJECT_COMMANDED, IDC_MSW4_FEEDER_EJECT_REAR},
      {SwitchKind::Radio, IDC_MSW4_GUIDE_AUTO, IDC_MSW4_GUIDE_MANUAL}}},
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
