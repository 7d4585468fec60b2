#include "settings/MswPageValues.h"

#include "settings/SettingTexts.h"

namespace settings {
namespace {

constexpr unsigned kCountryMask = 0x07; // switches 1-3 of MSW1

bool IsValidPage(int mswNumber) {
    return mswNumber >= 1 && mswNumber <= kMswCount;
}

const std::array<SwitchControl, kSwitchCount>& ControlsOf(int mswNumber) {
    return kMswControls[mswNumber - 1];
}

// The eight switches of a field as bits 0-7; the upper nibble of each byte is ignored.
unsigned ReadSwitchBits(const SettingsBlock& block, Field f) {
    return (block.At(f, 0) & 0x0Fu) | (block.At(f, 1) & 0x0Fu) << 4;
}

void WriteSwitchBits(SettingsBlock& block, Field f, unsigned bits) {
    block.At(f, 0) = static_cast<unsigned char>(bits & 0x0F);
    block.At(f, 1) = static_cast<unsigned char>(bits >> 4 & 0x0F);
}

// Codes without a list item show as the first item, "日本".
std::string CountryText(unsigned code) {
    for (std::size_t i = 0; i < kCountryCodes.size(); ++i)
        if (kCountryCodes[i] == static_cast<int>(code)) return kCountryList[i];
    return kCountryList[0];
}

// A text not in the list stores the code of the first item.
unsigned CountryCode(const std::string& text) {
    int index = IndexOf(kCountryList, text);
    return static_cast<unsigned>(kCountryCodes[index < 0 ? 0 : index]);
}

} // namespace

MswPageValues::MswPageValues(int mswNumber) {
    if (!IsValidPage(mswNumber)) return;
    const auto& controls = ControlsOf(mswNumber);
    for (int s = 0; s < kSwitchCount; ++s)
        switches[s] = controls[s].kind == SwitchKind::Radio ? -1 : 0;
}

bool LoadMswPage(int mswNumber, const SettingsBlock& block, MswPageValues& values) {
    if (!IsValidPage(mswNumber)) return false;
    const auto& controls = ControlsOf(mswNumber);
    unsigned bits = ReadSwitchBits(block, kMswFields[mswNumber - 1]);
    for (int s = 0; s < kSwitchCount; ++s) {
        bool country = controls[s].kind == SwitchKind::Country;
        values.switches[s] = country ? 0 : static_cast<int>(bits >> s & 1u);
        if (country) values.country = CountryText(bits & kCountryMask);
    }
    return true;
}

bool StoreMswPage(int mswNumber, const MswPageValues& values, SettingsBlock& block) {
    if (!IsValidPage(mswNumber)) return false;
    const auto& controls = ControlsOf(mswNumber);
    unsigned bits = 0;
    for (int s = 0; s < kSwitchCount; ++s) {
        if (controls[s].kind == SwitchKind::Country)
            bits |= CountryCode(values.country) & (1u << s);
        else if (values.switches[s] == 1)
            bits |= 1u << s;
    }
    WriteSwitchBits(block, kMswFields[mswNumber - 1], bits);
    return true;
}

} // namespace settings
