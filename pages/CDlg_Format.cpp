#include "pages/CDlg_Format.h"

#include "framework/DataExchange.h"
#include "framework/Seam.h"
#include "pages/NumberEdits.h"
#include "pages/PageTexts.h"
#include "resources/PageIds.h"
#include "resources/Tbk42Ids.h"
#include "settings/EditRules.h"
#include "settings/SettingTexts.h"

#include <commctrl.h>
#include <cstdio>

using settings::EditRule;
using settings::FormatFields;
using settings::LoadPath;

namespace {

const int kMarginControls[] = {IDC_FORMAT_LEFT_LABEL, IDC_FORMAT_LEFT,        IDC_FORMAT_SPIN_LEFT,
                               IDC_FORMAT_LEFT_UNIT,  IDC_FORMAT_RIGHT_LABEL, IDC_FORMAT_RIGHT,
                               IDC_FORMAT_SPIN_RIGHT, IDC_FORMAT_RIGHT_UNIT};

// What each number edit holds, for moving values between fields and controls.
enum class Holds { LoadPosition, PaperLength, LeftMargin, RightMargin, FrontAdjust, CutAdjust };

int& FieldOf(FormatFields& fields, Holds holds, LoadPath path) {
    switch (holds) {
    case Holds::LoadPosition:
        return fields.loadPosition[path];
    case Holds::PaperLength:
        return fields.paperLength;
    case Holds::LeftMargin:
        return fields.leftMargin;
    case Holds::RightMargin:
        return fields.rightMargin;
    case Holds::FrontAdjust:
        return fields.frontTractorAdjust;
    default:
        return fields.cutSheetAdjust;
    }
}

} // namespace

// The number edits in the order OK takes them: the five load positions (each with its
// slider), paper length, margins, then the two corrections.
struct CDlg_Format::NumberEdit {
    int edit;
    int spin;
    int slider; // 0 for none
    Holds holds;
    LoadPath path;
    EditRule rule;
    bool rangeChecked; // margins are only checked for order at OK
};

const CDlg_Format::NumberEdit CDlg_Format::kEdits[] = {
    {IDC_FORMAT_EDIT_FRONT, IDC_FORMAT_SPIN_FRONT, IDC_FORMAT_SLIDER_FRONT, Holds::LoadPosition,
     settings::kFrontTractor, EditRule::FormatLoadPosition, true},
    {IDC_FORMAT_EDIT_REAR, IDC_FORMAT_SPIN_REAR, IDC_FORMAT_SLIDER_REAR, Holds::LoadPosition,
     settings::kRearTractor, EditRule::FormatLoadPosition, true},
    {IDC_FORMAT_EDIT_GUIDE, IDC_FORMAT_SPIN_GUIDE, IDC_FORMAT_SLIDER_GUIDE, Holds::LoadPosition,
     settings::kSheetGuide, EditRule::FormatLoadPosition, true},
    {IDC_FORMAT_EDIT_FEEDER, IDC_FORMAT_SPIN_FEEDER, IDC_FORMAT_SLIDER_FEEDER, Holds::LoadPosition,
     settings::kSheetFeeder, EditRule::FormatLoadPosition, true},
    {IDC_FORMAT_EDIT_POSTCARD, IDC_FORMAT_SPIN_POSTCARD, IDC_FORMAT_SLIDER_POSTCARD,
     Holds::LoadPosition, settings::kPostcard, EditRule::FormatLoadPosition, true},
    {IDC_FORMAT_LENGTH, IDC_FORMAT_SPIN_LENGTH, 0, Holds::PaperLength, settings::kFrontTractor,
     EditRule::FormatPaperLength, true},
    {IDC_FORMAT_LEFT, IDC_FORMAT_SPIN_LEFT, 0, Holds::LeftMargin, settings::kFrontTractor,
     EditRule::FormatLeftMargin, false},
    {IDC_FORMAT_RIGHT, IDC_FORMAT_SPIN_RIGHT, 0, Holds::RightMargin, settings::kFrontTractor,
     EditRule::FormatRightMargin, false},
    {IDC_FORMAT_FRONT_ADJUST, IDC_FORMAT_SPIN_FRONT_ADJUST, 0, Holds::FrontAdjust,
     settings::kFrontTractor, EditRule::FormatCorrection, true},
    {IDC_FORMAT_CUT_ADJUST, IDC_FORMAT_SPIN_CUT_ADJUST, 0, Holds::CutAdjust,
     settings::kFrontTractor, EditRule::FormatCorrection, true},
};

CDlg_Format::CDlg_Format(settings::ShortRecord& shortRecord,
                         std::array<settings::LongRecord, settings::kFormatCount - 1>& longRecords)
    : Dialog(IDD_FORMAT), shortRecord(shortRecord), longRecords(longRecords) {}

void CDlg_Format::ReadShortRecord() {
    fields = settings::ParseShortRecord(shortRecord);
}

void CDlg_Format::ReadLongRecord(int formatNumber) {
    if (formatNumber < 1 || formatNumber >= static_cast<int>(settings::kFormatCount)) return;
    fields = settings::ParseLongRecord(longRecords[formatNumber - 1]);
}

int CDlg_Format::FormatNumber() const {
    return settings::IndexOf(settings::kFormatList, formatName);
}

BOOL CDlg_Format::OnInitDialog() {
    ToControls();
    char title[64];
    std::snprintf(title, sizeof title, kFormatDialogTitle, formatName.c_str());
    SetWindowTextA(Handle(), title);
    bool margins = FormatNumber() != 0;
    for (int id : kMarginControls)
        EnableWindow(Item(id), margins ? TRUE : FALSE);
    SetUpRanges();
    return TRUE;
}

void CDlg_Format::ToControls() {
    WriteControls([this] {
        for (const NumberEdit& edit : kEdits) {
            framework::SetInt(Handle(), edit.edit, FieldOf(fields, edit.holds, edit.path));
            if (edit.slider) {
                SendDlgItemMessageA(Handle(), edit.slider, TBM_SETPOS, TRUE,
                                    fields.stop[edit.path]);
            }
        }
    });
}

void CDlg_Format::SetUpRanges() {
    for (const NumberEdit& edit : kEdits) {
        if (edit.slider) {
            SendDlgItemMessageA(Handle(), edit.slider, TBM_SETRANGE, TRUE,
                                MAKELPARAM(0, settings::kStopCount - 1));
        }
    }
    for (const NumberEdit& edit : kEdits)
        pages::SetSpinRange(Handle(), edit.spin, edit.rule);
}

void CDlg_Format::OnSliderScroll() {
    HWND focused = GetFocus();
    for (const NumberEdit& edit : kEdits) {
        if (!edit.slider || Item(edit.slider) != focused) continue;
        int stop = static_cast<int>(SendMessageA(focused, TBM_GETPOS, 0, 0));
        if (stop < 0 || stop >= settings::kStopCount) return;
        framework::SetInt(Handle(), edit.edit, settings::StopsFor(edit.path)[stop]);
        return;
    }
}

void CDlg_Format::OnEditChange(const NumberEdit& edit) {
    settings::EditCheck check = pages::RunEditCheck(Handle(), edit.edit, edit.rule, nullptr);
    if (edit.slider) {
        int stop = settings::NearestStop(check.value, settings::StopsFor(edit.path));
        SendDlgItemMessageA(Handle(), edit.slider, TBM_SETPOS, TRUE, stop);
    }
}

bool CDlg_Format::CorrectMargins() {
    BOOL ok = FALSE;
    int left = static_cast<int>(GetDlgItemInt(Handle(), IDC_FORMAT_LEFT, &ok, TRUE));
    int right = static_cast<int>(GetDlgItemInt(Handle(), IDC_FORMAT_RIGHT, &ok, TRUE));
    if (left < right) return true;
    framework::Show(Handle(), kMarginTitle, {kMarginMessage, MB_OK | MB_ICONEXCLAMATION});
    framework::SetInt(Handle(), IDC_FORMAT_RIGHT, left + 1);
    SetFocus(Item(IDC_FORMAT_RIGHT));
    return false;
}

bool CDlg_Format::FromControls(FormatFields& taken) {
    taken = fields;
    for (const NumberEdit& edit : kEdits) {
        const settings::EditRuleInfo& rule = settings::GetEditRuleInfo(edit.rule);
        int& value = FieldOf(taken, edit.holds, edit.path);
        bool ok = edit.rangeChecked
                      ? framework::GetInt(Handle(), edit.edit, rule.min, rule.max, value)
                      : framework::GetInt(Handle(), edit.edit, value);
        if (!ok) return false;
        if (edit.slider) {
            taken.stop[edit.path] =
                static_cast<int>(SendDlgItemMessageA(Handle(), edit.slider, TBM_GETPOS, 0, 0));
        }
    }
    return true;
}

void CDlg_Format::WriteRecord(const FormatFields& taken) {
    int number = FormatNumber();
    if (number == 0) settings::PrintShortRecord(taken, shortRecord);
    if (number > 0) settings::PrintLongRecord(taken, longRecords[number - 1]);
}

void CDlg_Format::OnOK() {
    if (!CorrectMargins()) return;
    FormatFields taken;
    if (!FromControls(taken)) return;
    fields = taken;
    WriteRecord(taken);
    End(IDOK);
}

bool CDlg_Format::OnCommand(int id, int code, HWND control) {
    if (control && code == EN_CHANGE) {
        for (const NumberEdit& edit : kEdits) {
            if (edit.edit != id) continue;
            if (!IsWritingControls()) OnEditChange(edit);
            return true;
        }
    }
    return Dialog::OnCommand(id, code, control);
}

bool CDlg_Format::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
    if (message != WM_HSCROLL) return false;
    // Only a slider the user holds writes its stop's value; other scrolls are dropped.
    OnSliderScroll();
    result = 0;
    return false;
}
