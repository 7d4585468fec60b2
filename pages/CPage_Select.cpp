#include "pages/CPage_Select.h"

#include "framework/DataExchange.h"
#include "pages/PageTexts.h"
#include "resources/Tbk42Ids.h"
#include "settings/SettingTexts.h"

#include <cstdio>

namespace {

using settings::SelectPageValues;

// The controls whose every notification raises the data-check command.
const int kNotifyingControls[] = {IDC_SELECT_QUIET_ON, IDC_SELECT_GOTHIC,    IDC_SELECT_QUIET_OFF,
                                  IDC_SELECT_MINCHO,   IDC_SELECT_THICKNESS, IDC_SELECT_PRESSURE,
                                  IDC_SELECT_POSITION, IDC_SELECT_REDUCTION, IDC_SELECT_COPY_POWER};

} // namespace

CPage_Select::CPage_Select()
    : CPage(IDD_PAGE_SELECT), formatDialog(values.format0, values.longFormats) {}

const framework::ListItems* CPage_Select::InitialLists(std::size_t& count) const {
    static const framework::ListItems lists[] = {
        framework::ListOf(IDC_SELECT_PRESSURE, settings::kPrintPressureList),
        framework::ListOf(IDC_SELECT_POSITION, settings::kPrintPositionList),
        framework::ListOf(IDC_SELECT_THICKNESS, settings::kPaperThicknessList),
        framework::ListOf(IDC_SELECT_REDUCTION, settings::kReductionList),
        framework::ListOf(IDC_SELECT_FORMAT, settings::kFormatList),
        framework::ListOf(IDC_SELECT_COPY_POWER, settings::kCopyPowerList),
    };
    count = sizeof lists / sizeof lists[0];
    return lists;
}

BOOL CPage_Select::OnInitDialog() {
    ToControls();
    return TRUE;
}

void CPage_Select::LoadFromBlock(settings::SettingsBlock& block) {
    settings::LoadSelectPage(block, values);
    ToControls();
}

bool CPage_Select::StoreToBlock(settings::SettingsBlock& block) {
    bool ok = FromControls();
    settings::StoreSelectPage(values, block);
    return ok;
}

void CPage_Select::UpdateFormatButton() {
    char caption[64];
    std::snprintf(caption, sizeof caption, kFormatButtonCaption, values.currentFormat.c_str());
    SetDlgItemTextA(Handle(), IDC_SELECT_FORMAT_BUTTON, caption);
}

void CPage_Select::OpenFormatDialog() {
    int number = settings::IndexOf(settings::kFormatList, values.currentFormat);
    if (number == 0) formatDialog.ReadShortRecord();
    if (number > 0) formatDialog.ReadLongRecord(number);
    formatDialog.SetFormatName(values.currentFormat);
    if (formatDialog.DoModal(GetParent(Handle())) == IDOK) RaiseDataCheck();
}

void CPage_Select::ToControls() {
    WriteControls([this] {
        HWND page = Handle();
        framework::SetListText(page, IDC_SELECT_PRESSURE, values.printPressure);
        framework::SetListText(page, IDC_SELECT_POSITION, values.printPosition);
        framework::SetListText(page, IDC_SELECT_THICKNESS, values.paperThickness);
        framework::SetListText(page, IDC_SELECT_REDUCTION, values.reduction);
        framework::SetRadioIndex(page, IDC_SELECT_QUIET_OFF, IDC_SELECT_QUIET_ON,
                                 values.quietPrint);
        framework::SetRadioIndex(page, IDC_SELECT_MINCHO, IDC_SELECT_GOTHIC, values.typeface);
        framework::SetListText(page, IDC_SELECT_FORMAT, values.currentFormat);
        framework::SetListText(page, IDC_SELECT_COPY_POWER, values.copyPower);
    });
}

bool CPage_Select::FromControls() {
    HWND page = Handle();
    const std::size_t list = SelectPageValues::kListTextLimit;
    const std::size_t shortList = SelectPageValues::kPrintPositionTextLimit;
    if (!framework::GetListText(page, IDC_SELECT_PRESSURE, list, values.printPressure) ||
        !framework::GetListText(page, IDC_SELECT_POSITION, shortList, values.printPosition) ||
        !framework::GetListText(page, IDC_SELECT_THICKNESS, shortList, values.paperThickness) ||
        !framework::GetListText(page, IDC_SELECT_REDUCTION, list, values.reduction)) {
        return false;
    }
    values.quietPrint = framework::GetRadioIndex(page, IDC_SELECT_QUIET_OFF, IDC_SELECT_QUIET_ON);
    values.typeface = framework::GetRadioIndex(page, IDC_SELECT_MINCHO, IDC_SELECT_GOTHIC);
    return framework::GetListText(page, IDC_SELECT_FORMAT, list, values.currentFormat) &&
           framework::GetListText(page, IDC_SELECT_COPY_POWER, list, values.copyPower);
}

bool CPage_Select::OnCommand(int id, int code, HWND control) {
    if (control && id == IDC_SELECT_FORMAT) {
        // The caption follows the stored name, which the data check has just taken.
        RaiseDataCheck();
        UpdateFormatButton();
        return true;
    }
    if (control && id == IDC_SELECT_FORMAT_BUTTON && code == BN_CLICKED) {
        OpenFormatDialog();
        return true;
    }
    RaiseDataCheckFor(id, control, kNotifyingControls);
    return CPage::OnCommand(id, code, control);
}
