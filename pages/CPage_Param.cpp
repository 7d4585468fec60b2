#include "pages/CPage_Param.h"

#include "framework/DataExchange.h"
#include "framework/Seam.h"
#include "pages/PageTexts.h"
#include "resources/Tbk42Ids.h"
#include "settings/EditRules.h"
#include "settings/SettingTexts.h"

#include <commctrl.h>

namespace {

using settings::ParamPageValues;

// The controls whose every notification raises the data-check command; the edits
// raise it from their change handlers instead.
const int kNotifyingControls[] = {IDC_PARAM_POSTCARD_ON, IDC_PARAM_FONT1,
                                  IDC_PARAM_FONT2,       IDC_PARAM_POSTCARD_OFF,
                                  IDC_PARAM_KANJI,       IDC_PARAM_LF_SHEET_GUIDE,
                                  IDC_PARAM_AUTO_RETURN, IDC_PARAM_LF_SHEET_FEEDER,
                                  IDC_PARAM_LF_FRONT,    IDC_PARAM_LF_REAR,
                                  IDC_PARAM_AGA};

struct SpinRange {
    int id;
    int min;
    int max;
};
const SpinRange kSpinRanges[] = {
    {IDC_PARAM_SPIN_CUT, settings::kCentringMin, settings::kCentringMax},
    {IDC_PARAM_SPIN_FRONT, settings::kCentringMin, settings::kCentringMax},
    {IDC_PARAM_SPIN_REAR, settings::kRearCentringMin, settings::kRearCentringMax},
    {IDC_PARAM_SPIN_FEED_TIME, settings::kFeedTimeMin, settings::kFeedTimeMax},
};

} // namespace

// The edits checked while the user types; the centring edits have an out-of-range flag
// each, in the order `CheckCentringRange` corrects them.
struct CPage_Param::CheckedEdit {
    int id;
    settings::EditRule rule;
    int flag; // index into outOfRange, -1 for none
    int minimum;
};

const CPage_Param::CheckedEdit CPage_Param::kCheckedEdits[] = {
    {IDC_PARAM_CENTRING_CUT, settings::EditRule::ParamCutSheet, 0, settings::kCentringCutSheetMin},
    {IDC_PARAM_CENTRING_FRONT, settings::EditRule::ParamFrontTractor, 1,
     settings::kCentringFrontTractorMin},
    {IDC_PARAM_CENTRING_REAR, settings::EditRule::ParamRearTractor, 2,
     settings::kCentringRearTractorMin},
    {IDC_PARAM_FEED_TIME, settings::EditRule::ParamLoadTime, -1, settings::kFeedTimeMin},
};

CPage_Param::CPage_Param() : CPage(IDD_PAGE_PARAM) {}

const framework::ListItems* CPage_Param::InitialLists(std::size_t& count) const {
    static const framework::ListItems lists[] = {
        framework::ListOf(IDC_PARAM_FONT1, settings::kFontList),
        framework::ListOf(IDC_PARAM_FONT2, settings::kFontList),
        framework::ListOf(IDC_PARAM_KANJI, settings::kKanjiList),
        framework::ListOf(IDC_PARAM_AUTO_RETURN, settings::kAutoReturnList),
        framework::ListOf(IDC_PARAM_AGA, settings::kAgaList),
        framework::ListOf(IDC_PARAM_LF_SHEET_GUIDE, settings::kLfPitchList),
        framework::ListOf(IDC_PARAM_LF_SHEET_FEEDER, settings::kLfPitchList),
        framework::ListOf(IDC_PARAM_LF_FRONT, settings::kLfPitchList),
        framework::ListOf(IDC_PARAM_LF_REAR, settings::kLfPitchList),
    };
    count = sizeof lists / sizeof lists[0];
    return lists;
}

BOOL CPage_Param::OnInitDialog() {
    ToControls();
    for (const SpinRange& spin : kSpinRanges) {
        SendDlgItemMessageA(Handle(), spin.id, UDM_SETRANGE, 0, MAKELPARAM(spin.max, spin.min));
    }
    return TRUE;
}

void CPage_Param::LoadFromBlock(settings::SettingsBlock& block) {
    for (bool& flag : outOfRange)
        flag = false;
    settings::LoadParamPage(block, values);
    ToControls();
}

bool CPage_Param::StoreToBlock(settings::SettingsBlock& block) {
    bool ok = FromControls();
    settings::StoreParamPage(values, block);
    return ok;
}

void CPage_Param::ToControls() {
    WriteControls([this] {
        HWND page = Handle();
        framework::SetListText(page, IDC_PARAM_FONT1, values.font1);
        framework::SetListText(page, IDC_PARAM_FONT2, values.font2);
        framework::SetListText(page, IDC_PARAM_KANJI, values.kanjiTable);
        framework::SetInt(page, IDC_PARAM_CENTRING_FRONT, values.centringFrontTractor);
        framework::SetInt(page, IDC_PARAM_CENTRING_CUT, values.centringCutSheet);
        framework::SetRadioIndex(page, IDC_PARAM_POSTCARD_OFF, IDC_PARAM_POSTCARD_ON,
                                 values.postcardMode);
        framework::SetInt(page, IDC_PARAM_CENTRING_REAR, values.centringRearTractor);
        framework::SetInt(page, IDC_PARAM_FEED_TIME, values.sheetGuideFeedTime);
        framework::SetListText(page, IDC_PARAM_AUTO_RETURN, values.autoReturnTime);
        framework::SetListText(page, IDC_PARAM_AGA, values.agaRetryTime);
        framework::SetListText(page, IDC_PARAM_LF_SHEET_GUIDE, values.lfPitchSheetGuide);
        framework::SetListText(page, IDC_PARAM_LF_SHEET_FEEDER, values.lfPitchSheetFeeder);
        framework::SetListText(page, IDC_PARAM_LF_FRONT, values.lfPitchFrontTractor);
        framework::SetListText(page, IDC_PARAM_LF_REAR, values.lfPitchRearTractor);
    });
}

bool CPage_Param::FromControls() {
    HWND page = Handle();
    const std::size_t list = ParamPageValues::kListTextLimit;
    const std::size_t pitch = ParamPageValues::kLfPitchTextLimit;
    // Taken in member order; the first refusal stops the exchange.
    return framework::GetListText(page, IDC_PARAM_FONT1, list, values.font1) &&
           framework::GetListText(page, IDC_PARAM_FONT2, list, values.font2) &&
           framework::GetListText(page, IDC_PARAM_KANJI, list, values.kanjiTable) &&
           framework::GetInt(page, IDC_PARAM_CENTRING_FRONT, values.centringFrontTractor) &&
           framework::GetInt(page, IDC_PARAM_CENTRING_CUT, values.centringCutSheet) &&
           ((values.postcardMode =
                 framework::GetRadioIndex(page, IDC_PARAM_POSTCARD_OFF, IDC_PARAM_POSTCARD_ON)),
            true) &&
           framework::GetInt(page, IDC_PARAM_CENTRING_REAR, values.centringRearTractor) &&
           framework::GetInt(page, IDC_PARAM_FEED_TIME, settings::kFeedTimeMin,
                             settings::kFeedTimeMax, values.sheetGuideFeedTime) &&
           framework::GetListText(page, IDC_PARAM_AUTO_RETURN, list, values.autoReturnTime) &&
           framework::GetListText(page, IDC_PARAM_AGA, list, values.agaRetryTime) &&
           framework::GetListText(page, IDC_PARAM_LF_SHEET_GUIDE, pitch,
                                  values.lfPitchSheetGuide) &&
           framework::GetListText(page, IDC_PARAM_LF_SHEET_FEEDER, pitch,
                                  values.lfPitchSheetFeeder) &&
           framework::GetListText(page, IDC_PARAM_LF_FRONT, pitch, values.lfPitchFrontTractor) &&
           framework::GetListText(page, IDC_PARAM_LF_REAR, pitch, values.lfPitchRearTractor);
}

bool CPage_Param::AnyOutOfRange() const {
    return outOfRange[0] || outOfRange[1] || outOfRange[2];
}

void CPage_Param::CheckCentringRange() {
    HWND owner = GetParent(Handle());
    framework::Ui().ShowMessage(owner, kCentringRangeMessage, kCentringRangeTitle,
                                MB_OK | MB_ICONEXCLAMATION);
    for (const CheckedEdit& edit : kCheckedEdits) {
        if (edit.flag < 0 || !outOfRange[edit.flag]) continue;
        // The write runs the edit's handler, which clears the flag.
        SetDlgItemInt(Handle(), edit.id, edit.minimum, TRUE);
        SetFocus(Item(edit.id));
    }
}

void CPage_Param::OnEditChange(const CheckedEdit& edit) {
    HWND control = Item(edit.id);
    settings::EditCheck check = settings::CheckEdit(
        edit.rule, framework::GetText(Handle(), edit.id), GetFocus() == control);
    if (edit.flag >= 0 && check.clearsFlag) outOfRange[edit.flag] = false;
    if (check.lengthCut) SetWindowTextA(control, check.lengthCut->c_str());
    if (edit.flag >= 0 && check.setsFlag) outOfRange[edit.flag] = true;
    if (check.correction) SetWindowTextA(control, check.correction->c_str());
    RaiseDataCheck();
}

bool CPage_Param::OnCommand(int id, int code, HWND control) {
    if (control && code == EN_CHANGE) {
        for (const CheckedEdit& edit : kCheckedEdits) {
            if (edit.id != id) continue;
            if (!IsExchanging()) OnEditChange(edit);
            return true;
        }
    }
    RaiseDataCheckFor(id, control, kNotifyingControls);
    return CPage::OnCommand(id, code, control);
}
