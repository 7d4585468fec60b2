#include "pages/CPage_MSW.h"

#include "framework/DataExchange.h"
#include "resources/Tbk42Ids.h"
#include "settings/PageIds.h"

using settings::Kind;
using settings::SwitchControl;

CPage_MSW::CPage_MSW(int mswNumber, UINT templateId)
    : CPage(templateId), mswNumber(mswNumber), values(mswNumber) {
    for (const settings::Row* row : Rows())
        if (row->kind == Kind::Country)
            lists.push_back({row->id, row->list.texts, static_cast<std::size_t>(row->list.count)});
}

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

std::vector<const settings::Row*> CPage_MSW::Rows() const {
    return settings::PageRows(settings::kMsw1Page + mswNumber - 1);
}

const framework::ListItems* CPage_MSW::InitialLists(std::size_t& count) const {
    count = lists.size();
    return lists.data();
}

void CPage_MSW::ToControls() {
    WriteControls([this] {
        HWND page = Handle();
        for (const settings::Row* row : Rows()) {
            if (row->kind == Kind::Country) framework::SetListText(page, row->id, values.country);
            if (row->kind != Kind::Switch) continue;
            int value = values.switches[row->bit];
            if (row->control == SwitchControl::Radio)
                framework::SetRadioIndex(page, row->id, row->secondId, value);
            if (row->control == SwitchControl::Check) framework::SetCheck(page, row->id, value);
        }
    });
}

bool CPage_MSW::FromControls() {
    HWND page = Handle();
    bool ok = true;
    for (const settings::Row* row : Rows()) {
        if (row->kind == Kind::Country)
            ok = framework::GetListText(page, row->id, settings::MswPageValues::kCountryTextLimit,
                                        values.country);
        if (row->kind != Kind::Switch) continue;
        int& value = values.switches[row->bit];
        if (row->control == SwitchControl::Radio)
            value = framework::GetRadioIndex(page, row->id, row->secondId);
        if (row->control == SwitchControl::Check) value = framework::GetCheck(page, row->id);
    }
    return ok;
}

bool CPage_MSW::IsOwnControl(int id) const {
    for (const settings::Row* row : Rows()) {
        if (row->id == 0) continue;
        if (id == row->id || (row->secondId != 0 && id == row->secondId)) return true;
    }
    return false;
}

bool CPage_MSW::OnCommand(int id, int code, HWND control) {
    // Every notification of an own control first re-evaluates the send command; the
    // control has already taken its new state.
    if (control && IsOwnControl(id)) RaiseDataCheck();
    return CPage::OnCommand(id, code, control);
}
