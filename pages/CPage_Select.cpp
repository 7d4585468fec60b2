#include "pages/CPage_Select.h"

#include "pages/PageControls.h"
#include "pages/PageTexts.h"
#include "resources/Tbk42Ids.h"
#include "settings/SettingTexts.h"

#include <cstdio>

namespace {

using namespace settings;
using S = SelectPageValues;
using Control = pages::PageControl<S>;

const std::size_t kList = S::kListTextLimit;
const std::size_t kShortList = S::kPrintPositionTextLimit;

// In member order, which is also the order of taking them.
const Control kControls[] = {
    pages::ListControl(IDC_SELECT_PRESSURE, &S::printPressure, kPrintPressureList, kList),
    pages::ListControl(IDC_SELECT_POSITION, &S::printPosition, kPrintPositionList, kShortList),
    pages::ListControl(IDC_SELECT_THICKNESS, &S::paperThickness, kPaperThicknessList, kShortList),
    pages::ListControl(IDC_SELECT_REDUCTION, &S::reduction, kReductionList, kList),
    pages::RadioPair(IDC_SELECT_QUIET_OFF, IDC_SELECT_QUIET_ON, &S::quietPrint),
    pages::RadioPair(IDC_SELECT_MINCHO, IDC_SELECT_GOTHIC, &S::typeface),
    pages::ListControl(IDC_SELECT_FORMAT, &S::currentFormat, kFormatList, kList),
    pages::ListControl(IDC_SELECT_COPY_POWER, &S::copyPower, kCopyPowerList, kList),
};

} // namespace

CPage_Select::CPage_Select()
    : CTablePage(IDD_PAGE_SELECT, pages::TableOf(kControls), settings::LoadSelectPage,
                 settings::StoreSelectPage),
      formatDialog(values.format0, values.longFormats) {}

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
    return CTablePage::OnCommand(id, code, control);
}
