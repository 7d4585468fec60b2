#include "pages/CDlg_Format.h"

#include "framework/DataExchange.h"
#include "framework/Seam.h"
#include "pages/PageControls.h"
#include "pages/PageTexts.h"
#include "settings/PageIds.h"
#include "resources/Tbk42Ids.h"
#include "settings/Catalogue.h"
#include "settings/EditRules.h"
#include "settings/SettingTexts.h"

#include <commctrl.h>
#include <cstdio>

using settings::FormatFields;
using settings::LoadPath;
using settings::Row;

namespace {

const int kMarginControls[] = {IDC_FORMAT_LEFT_LABEL, IDC_FORMAT_LEFT,        IDC_FORMAT_SPIN_LEFT,
                               IDC_FORMAT_LEFT_UNIT,  IDC_FORMAT_RIGHT_LABEL, IDC_FORMAT_RIGHT,
                               IDC_FORMAT_SPIN_RIGHT, IDC_FORMAT_RIGHT_UNIT};

// The record's numbers in the order OK takes them: the five load positions (each with its
// slider), paper length, margins, then the two corrections.
const pages::ControlTable<FormatFields>& Edits() {
    static const pages::ControlTable<FormatFields> edits = [] {
        pages::ControlTable<FormatFields> controls;
        for (const Row* row : settings::RecordRowsAsTaken()) {
            pages::PageControl<FormatFields> edit =
                pages::ControlOf<FormatFields>(*row, nullptr, [row](FormatFields& fields) -> int& {
                    return settings::NumberOf(fields, *row);
                });
            int path = row->path;
            if (row->slider)
                edit.stop = [path](FormatFields& fields) -> int& { return fields.stop[path]; };
            controls.push_back(edit);
        }
        return controls;
    }();
    return edits;
}

LoadPath PathOf(const Row& row) {
    return static_cast<LoadPath>(row.path);
}

} // namespace

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
        EnableWindow(framework::Control(Handle(), id), margins ? TRUE : FALSE);
    pages::SetUpDownRanges(Handle(), Edits());
    return TRUE;
}

void CDlg_Format::ToControls() {
    WriteControls([this] { pages::ToControls(Handle(), Edits(), fields); });
}

void CDlg_Format::OnSliderScroll() {
    HWND focused = GetFocus();
    for (const pages::PageControl<FormatFields>& edit : Edits()) {
        const Row& row = *edit.row;
        if (!row.slider || framework::Control(Handle(), row.slider) != focused) continue;
        int stop = static_cast<int>(SendMessageA(focused, TBM_GETPOS, 0, 0));
        if (stop < 0 || stop >= settings::kStopCount) return;
        framework::SetInt(Handle(), row.id, settings::StopsFor(PathOf(row))[stop]);
        return;
    }
}

void CDlg_Format::OnEditChange(const Row& edit) {
    settings::EditCheck check = pages::RunEditCheck(Handle(), edit.id, edit.rule, nullptr);
    if (edit.slider) {
        int stop = settings::NearestStop(check.value, settings::StopsFor(PathOf(edit)));
        framework::SendTo(Handle(), edit.slider, TBM_SETPOS, TRUE, stop);
    }
}

bool CDlg_Format::CorrectMargins() {
    int left = framework::SystemInt(Handle(), IDC_FORMAT_LEFT);
    int right = framework::SystemInt(Handle(), IDC_FORMAT_RIGHT);
    if (right >= settings::LeastRightMargin(left)) return true;
    framework::Show(Handle(), kMarginTitle, {kMarginMessage, MB_OK | MB_ICONEXCLAMATION});
    framework::SetInt(Handle(), IDC_FORMAT_RIGHT, settings::LeastRightMargin(left));
    SetFocus(framework::Control(Handle(), IDC_FORMAT_RIGHT));
    return false;
}

bool CDlg_Format::FromControls(FormatFields& taken) {
    taken = fields;
    return pages::FromControls(Handle(), Edits(), taken);
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
        const pages::PageControl<FormatFields>* edit = pages::EditOf(Edits(), id);
        if (edit && !IsWritingControls()) OnEditChange(*edit->row);
        if (edit) return true;
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
