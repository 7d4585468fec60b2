#include "tools/preview/SampleDialog.h"

#include "pages/PageTexts.h"
#include "resources/Tbk42Ids.h"
#include "settings/Catalogue.h"
#include "settings/FactoryBlock.h"
#include "settings/PageIds.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>

BOOL SampleDialog::OnInitDialog() {
    if (TemplateId() == IDD_FORMAT) FillFormat();
    if (TemplateId() == IDD_PRINTER) FillPrinters();
    return TRUE;
}

// The format dialog as it opens on the factory settings' "書式１".
void SampleDialog::FillFormat() {
    settings::LongRecord record;
    std::copy_n(settings::FactoryBlock.bytes.begin() + settings::kFormatFields[1].offset,
                record.size(), record.begin());
    settings::FormatFields fields = settings::ParseLongRecord(record);
    for (const settings::Row* row :
         settings::RowsOf(settings::kSelectPage, settings::Kind::Record)) {
        const settings::EditRuleInfo& rule = settings::GetEditRuleInfo(row->rule);
        SendMessageA(Item(row->secondId), UDM_SETRANGE32, rule.min, rule.max);
        SendMessageA(Item(row->secondId), UDM_SETPOS32, 0, settings::NumberOf(fields, *row));
        if (!row->slider) continue;
        SendMessageA(Item(row->slider), TBM_SETRANGE, TRUE,
                     MAKELPARAM(0, settings::kStopCount - 1));
        SendMessageA(Item(row->slider), TBM_SETPOS, TRUE, fields.stop[row->path]);
    }
    char title[64];
    std::snprintf(title, sizeof title, kFormatDialogTitle, settings::kFormatList[1]);
    SetWindowTextA(Handle(), title);
}

void SampleDialog::FillPrinters() {
    HWND list = Item(IDC_PRINTER_LIST);
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = 200;
    column.pszText = const_cast<char*>("プリンタ名");
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    column.cx = 90;
    column.iSubItem = 1;
    column.pszText = const_cast<char*>("接続先");
    SendMessageA(list, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0x20, 0x20);
    const char* rows[][2] = {{"Varo Corvane K42", "LPT1:"}, {"Varo Corvane K42 (2)", "FILE:"}};
    for (int i = 0; i < 2; ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<char*>(rows[i][0]);
        int row = static_cast<int>(
            SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        item.iSubItem = 1;
        item.pszText = const_cast<char*>(rows[i][1]);
        SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    }
    LVITEMA state = {};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
}
