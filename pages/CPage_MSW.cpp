#include "pages/CPage_MSW.h"

#include "framework/DataExchange.h"
#include "resources/Tbk42Ids.h"
#include "settings/SettingTexts.h"

using settings::kMswControls;
using settings::SwitchKind;

CPage_MSW::CPage_MSW(int mswNumber, UINT templateId)
    : CPage(templateId), mswNumber(mswNumber), values(mswNumber) {}

CPage_MSW1::CPage_MSW1() : CPage_MSW(1, IDD_PAGE_MSW1) {}
CPage_MSW2::CPage_MSW2() : CPage_MSW(2, IDD_PAGE_MSW2) {}
CPage_MSW3::CPage_MSW3() : CPage_MSW(3, IDD_PAGE_MSW3) {}
CPage_MSW4::CPage_MSW4() : CPage_MSW(4, IDD_PAGE_MSW4) {}

void CPage_MSW::LoadFromBlock(settings::SettingsBlock& block) {
    settings::LoadMswPage(mswNumber, block, values);
    ToControls();
}

bool CPage_MSW::StoreToBlock(settings::SettingsBlock& block) {
    bool ok = FromControls();
    settings::StoreMswPage(mswNumber, values, block);
    return ok;
}

const framework::ListItems* CPage_MSW::InitialLists(std::size_t& count) const {
    static const framework::ListItems countryList[] = {
        framework::ListOf(settings::kCountryListId, settings::kCountryList)};
    count = mswNumber == 1 ? 1 : 0;
    return countryList;
}

void CPage_MSW::ToControls() {
    WriteControls([this] {
        HWND page = Handle();
        const auto& controls = kMswControls[mswNumber - 1];
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const settings::SwitchControl& control = controls[i];
            if (control.kind == SwitchKind::Radio) {
                framework::SetRadioIndex(page, control.firstId, control.secondId,
                                         values.switches[i]);
            } else if (control.kind == SwitchKind::Check) {
                framework::SetCheck(page, control.firstId, values.switches[i]);
            }
        }
        if (mswNumber == 1) framework::SetListText(page, settings::kCountryListId, values.country);
    });
}

bool CPage_MSW::FromControls() {
    HWND page = Handle();
    const auto& controls = kMswControls[mswNumber - 1];
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const settings::SwitchControl& control = controls[i];
        if (control.kind == SwitchKind::Radio) {
            values.switches[i] = framework::GetRadioIndex(page, control.firstId, control.secondId);
        } else if (control.kind == SwitchKind::Check) {
            values.switches[i] = framework::GetCheck(page, control.firstId);
        }
    }
    if (mswNumber != 1) return true;
    return framework::GetListText(page, settings::kCountryListId,
                                  settings::MswPageValues::kCountryTextLimit, values.country);
}

bool CPage_MSW::IsOwnControl(int id) const {
    for (const settings::SwitchControl& control : kMswControls[mswNumber - 1]) {
        if (control.kind == SwitchKind::None) continue;
        if (id == control.firstId || (control.secondId != 0 && id == control.secondId)) return true;
    }
    return false;
}

bool CPage_MSW::OnCommand(int id, int code, HWND control) {
    // Every notification of an own control first re-evaluates the send command; the
    // control has already taken its new state.
    if (control && IsOwnControl(id)) RaiseDataCheck();
    return CPage::OnCommand(id, code, control);
}
