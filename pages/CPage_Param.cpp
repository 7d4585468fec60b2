#include "pages/CPage_Param.h"

#include "framework/Seam.h"
#include "pages/PageControls.h"
#include "pages/PageTexts.h"
#include "resources/Tbk42Ids.h"
#include "settings/SettingTexts.h"

using namespace settings;
using P = ParamPageValues;

namespace {

using Control = pages::PageControl<P>;

const std::size_t kList = P::kListTextLimit;
const std::size_t kPitch = P::kLfPitchTextLimit;

// Out-of-range flags of the centring edits, in the order CheckCentringRange corrects
// them.
enum Flag { kCutSheetFlag, kFrontTractorFlag, kRearTractorFlag };

// In member order, which is also the order of taking them.
const Control kControls[] = {
    pages::ListControl(IDC_PARAM_FONT1, &P::font1, kFontList, kList),
    pages::ListControl(IDC_PARAM_FONT2, &P::font2, kFontList, kList),
    pages::ListControl(IDC_PARAM_KANJI, &P::kanjiTable, kKanjiList, kList),
    pages::NumberEdit(IDC_PARAM_CENTRING_FRONT, IDC_PARAM_SPIN_FRONT, &P::centringFrontTractor,
                      EditRule::ParamFrontTractor, false, kFrontTractorFlag),
    pages::NumberEdit(IDC_PARAM_CENTRING_CUT, IDC_PARAM_SPIN_CUT, &P::centringCutSheet,
                      EditRule::ParamCutSheet, false, kCutSheetFlag),
    pages::RadioPair(IDC_PARAM_POSTCARD_OFF, IDC_PARAM_POSTCARD_ON, &P::postcardMode),
    pages::NumberEdit(IDC_PARAM_CENTRING_REAR, IDC_PARAM_SPIN_REAR, &P::centringRearTractor,
                      EditRule::ParamRearTractor, false, kRearTractorFlag),
    pages::NumberEdit(IDC_PARAM_FEED_TIME, IDC_PARAM_SPIN_FEED_TIME, &P::sheetGuideFeedTime,
                      EditRule::ParamLoadTime, true),
    pages::ListControl(IDC_PARAM_AUTO_RETURN, &P::autoReturnTime, kAutoReturnList, kList),
    pages::ListControl(IDC_PARAM_AGA, &P::agaRetryTime, kAgaList, kList),
    pages::ListControl(IDC_PARAM_LF_SHEET_GUIDE, &P::lfPitchSheetGuide, kLfPitchList, kPitch),
    pages::ListControl(IDC_PARAM_LF_SHEET_FEEDER, &P::lfPitchSheetFeeder, kLfPitchList, kPitch),
    pages::ListControl(IDC_PARAM_LF_FRONT, &P::lfPitchFrontTractor, kLfPitchList, kPitch),
    pages::ListControl(IDC_PARAM_LF_REAR, &P::lfPitchRearTractor, kLfPitchList, kPitch),
};

} // namespace

CPage_Param::CPage_Param()
    : CTablePage(IDD_PAGE_PARAM, pages::TableOf(kControls), LoadParamPage, StoreParamPage) {}

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
            SetDlgItemInt(Handle(), edit.id, GetEditRuleInfo(edit.rule).min, TRUE);
            SetFocus(Item(edit.id));
        }
    }
}

bool CPage_Param::OnCommand(int id, int code, HWND control) {
    const Control* edit = control ? pages::EditOf(table, id) : nullptr;
    if (edit && code == EN_CHANGE) {
        if (!IsWritingControls()) {
            pages::RunEditCheck(Handle(), edit->id, edit->rule,
                                edit->flag < 0 ? nullptr : &outOfRange[edit->flag]);
            RaiseDataCheck();
        }
        return true;
    }
    return CTablePage::OnCommand(id, code, control);
}
