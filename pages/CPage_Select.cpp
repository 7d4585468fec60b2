#include "pages/CPage_Select.h"

#include "pages/PageControls.h"
#include "pages/PageTexts.h"
#include "resources/Tbk42Ids.h"
#include "settings/PageIds.h"
#include "settings/SettingTexts.h"

#include <cstdio>

namespace {

using namespace settings;
using S = SelectPageValues;
using Control = pages::PageControl<S>;

const pages::ControlTable<S>& Controls() {
    static const pages::ControlTable<S> controls = pages::ControlsOf(kSelectPage, kSelectMembers);
    return controls;
}

} // namespace

CPage_Select::CPage_Select()
    : CTablePage(IDD_PAGE_SELECT, Controls(), settings::LoadSelectPage, settings::StoreSelectPage),
      formatDialog(values.format0, values.longFormats) {}

void CPage_Select::UpdateFormatButton() {
    if (!Handle()) return; // the window is made later and then captioned
    char caption[64];
    std::snprintf(caption, sizeof caption, kFormatButtonCaption, values.currentFormat.c_str());
    framework::SetText(Handle(), IDC_SELECT_FORMAT_BUTTON, caption);
}

void CPage_Select::OpenFormatDialog() {
    int number = settings::IndexOf(settings::kFormatList, values.currentFormat);
    if (number == 0) formatDialog.ReadShortRecord();
    if (number > 0) formatDialog.ReadLongRecord(number);
    formatDialog.SetFormatName(values.currentFormat);
    if (formatDialog.DoModal(GetParent(Handle())) == IDOK) RaiseDataCheck(0);
}

bool CPage_Select::OnCommand(int id, int code, HWND control) {
    if (control && id == IDC_SELECT_FORMAT) {
        // The caption follows the stored name, which the data check has just taken.
        RaiseDataCheck(id);
        UpdateFormatButton();
        return true;
    }
    if (control && id == IDC_SELECT_FORMAT_BUTTON && code == BN_CLICKED) {
        OpenFormatDialog();
        return true;
    }
    return CTablePage::OnCommand(id, code, control);
}
