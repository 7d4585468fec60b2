#include "settings/SelectPageValues.h"

#include <algorithm>

namespace settings {

using S = SelectPageValues;

const std::array<MemberOf<S>, 8> kSelectMembers{{
    {"print_pressure", &S::printPressure, nullptr, S::kListTextLimit},
    {"print_position", &S::printPosition, nullptr, S::kPrintPositionTextLimit},
    {"paper_thickness", &S::paperThickness, nullptr, S::kPrintPositionTextLimit},
    {"reduction", &S::reduction, nullptr, S::kListTextLimit},
    {"quiet_print", nullptr, &S::quietPrint},
    {"typeface", nullptr, &S::typeface},
    {"current_format", &S::currentFormat, nullptr, S::kListTextLimit},
    {"copy_power", &S::copyPower, nullptr, S::kListTextLimit},
}};

namespace {

template <std::size_t N>
void CopyFromBlock(const SettingsBlock& block, Field f, std::array<unsigned char, N>& record) {
    std::copy_n(block.bytes.begin() + f.offset, N, record.begin());
}

template <std::size_t N>
void CopyToBlock(const std::array<unsigned char, N>& record, Field f, SettingsBlock& block) {
    std::copy_n(record.begin(), N, block.bytes.begin() + f.offset);
}

} // namespace

void LoadSelectPage(SettingsBlock& block, SelectPageValues& values) {
    LoadMembers(kSelectPage, kSelectMembers, block, values);
    CopyFromBlock(block, kFormatFields[0], values.format0);
    for (std::size_t i = 0; i < values.longFormats.size(); ++i)
        CopyFromBlock(block, kFormatFields[i + 1], values.longFormats[i]);
}

void StoreSelectPage(const SelectPageValues& values, SettingsBlock& block) {
    StoreMembers(kSelectPage, kSelectMembers, values, block);
    CopyToBlock(values.format0, kFormatFields[0], block);
    for (std::size_t i = 0; i < values.longFormats.size(); ++i)
        CopyToBlock(values.longFormats[i], kFormatFields[i + 1], block);
}

} // namespace settings
