#include "pages/CPage_Param.h"

#include "framework/Seam.h"
#include "pages/PageControls.h"
#include "pages/PageTexts.h"
#include "resources/Tbk42Ids.h"

using namespace settings;
using P = ParamPageValues;

namespace {

using Control = pages::PageControl<P>;

// Out-of-range flags of the centring edits, in the order CheckCentringRange corrects
// them (the catalogue's order).
enum Flag { kCutSheetFlag, kFrontTractorFlag, kRearTractorFlag };

const pages::ControlTable<P>& Controls() {
    static const pages::ControlTable<P> controls = pages::ControlsOf(kParamPage, kParamMembers);
    return controls;
}

} // namespace

CPage_Param::CPage_Param()
    : CTablePage(IDD_PAGE_PARAM, Controls(), LoadParamPage, StoreParamPage) {}

void CPage_Param::LoadFromBlock(settings::SettingsBlock& block) {
    for (bool& flag : outOfRange)
        flag = false;
    CTablePage::LoadFromBlock(block);
}

bool CPage_Param::AnyOutOfRange() const {
    return outOfRange[0] || outOfRange[1] || outOfRange[2];
}

void CPage_Param::CheckCentringRange() {
    HWND owner = GetParent(Handle());
    framework::Show(owner, kCentringRangeTitle,
                    {kCentringRangeMessage, MB_OK | MB_ICONEXCLAMATION});
    for (int flag : {kCutSheetFlag, kFrontTractorFlag, kRearTractorFlag}) {
        if (!outOfRange[flag]) continue;
        for (const Control& edit : table) {
            if (edit.kind != pages::ControlKind::Edit || edit.flag != flag) continue;
            // The write runs the edit's handler, which clears the flag.
            framework::SetInt(Handle(), edit.Id(), GetEditRuleInfo(edit.row->rule).min);
            SetFocus(framework::Control(Handle(), edit.Id()));
        }
    }
}

bool CPage_Param::OnCommand(int id, int code, HWND control) {
    const Control* edit = control ? pages::EditOf(table, id) : nullptr;
    if (edit && code == EN_CHANGE) {
        if (!IsWritingControls()) {
            pages::RunEditCheck(Handle(), edit->Id(), edit->row->rule,
                                edit->flag < 0 ? nullptr : &outOfRange[edit->flag]);
            RaiseDataCheck(edit->Id());
        }
        return true;
    }
    return CTablePage::OnCommand(id, code, control);
}
