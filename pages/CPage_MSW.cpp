#include "pages/CPage_MSW.h"

#include "resources/Tbk42Ids.h"
#include "settings/PageIds.h"

#include <array>

using settings::Kind;
using settings::MswPageValues;
using settings::Row;

namespace {

// The controls of page `mswNumber` (1 to 4): the country list and every switch that has
// a control, in the catalogue's order.
pages::ControlTable<MswPageValues> ControlsOf(int mswNumber) {
    pages::ControlTable<MswPageValues> controls;
    for (const Row* row : settings::PageRows(settings::kMsw1Page + mswNumber - 1)) {
        if (row->kind == Kind::Country)
            controls.push_back(pages::ControlOf<MswPageValues>(
                *row, [](MswPageValues& values) -> std::string& { return values.country; }, nullptr,
                MswPageValues::kCountryTextLimit));
        if (row->kind != Kind::Switch || row->control == settings::SwitchControl::None) continue;
        int bit = row->bit;
        controls.push_back(pages::ControlOf<MswPageValues>(
            *row, nullptr, [bit](MswPageValues& values) -> int& { return values.switches[bit]; }));
    }
    return controls;
}

const pages::ControlTable<MswPageValues>& Controls(int mswNumber) {
    static const std::array<pages::ControlTable<MswPageValues>, 4> controls{
        ControlsOf(1), ControlsOf(2), ControlsOf(3), ControlsOf(4)};
    return controls[static_cast<std::size_t>(mswNumber - 1)];
}

} // namespace

CPage_MSW::CPage_MSW(int mswNumber, UINT templateId)
    : CTablePage(
          templateId, Controls(mswNumber),
          [mswNumber](settings::SettingsBlock& block, MswPageValues& values) {
              settings::LoadMswPage(mswNumber, block, values);
          },
          [mswNumber](const MswPageValues& values, settings::SettingsBlock& block) {
              settings::StoreMswPage(mswNumber, values, block);
          },
          MswPageValues(mswNumber)) {}

CPage_MSW1::CPage_MSW1() : CPage_MSW(1, IDD_PAGE_MSW1) {}
CPage_MSW2::CPage_MSW2() : CPage_MSW(2, IDD_PAGE_MSW2) {}
CPage_MSW3::CPage_MSW3() : CPage_MSW(3, IDD_PAGE_MSW3) {}
CPage_MSW4::CPage_MSW4() : CPage_MSW(4, IDD_PAGE_MSW4) {}
