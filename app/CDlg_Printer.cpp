#include "app/CDlg_Printer.h"

#include "app/Messages.h"
#include "app/Texts.h"
#include "framework/Seam.h"
#include "printer/win32/Spooler.h"
#include "settings/PageIds.h"
#include "resources/Tbk42Ids.h"

#include <commctrl.h>

namespace {
const int kNameColumnWidth = 200;
const int kConnectionColumnWidth = 90;
} // namespace

CDlg_Printer::CDlg_Printer() : Dialog(IDD_PRINTER) {}

HWND CDlg_Printer::List() const {
    return Item(IDC_PRINTER_LIST);
}

INT_PTR CDlg_Printer::Choose(HWND owner) {
    rows = printer::ListUsablePrinters(printer::CurrentFamily());
    printerCount = static_cast<unsigned>(rows.size());
    // No printer, and the only one at start-up, are decided without the dialog, whose
    // window is then never made.
    if (printerCount == 0) {
        Refuse(owner, message::kNoPrinter, true);
        return IDCANCEL;
    }
    if (printerCount == 1 && !startupDone) return Take(owner, rows[0]) ? IDOK : IDCANCEL;
    return DoModal(owner);
}

BOOL CDlg_Printer::OnInitDialog() {
    CreateColumns();
    for (const printer::PrinterRow& row : rows)
        AddRow(row);
    int selected = printerName.empty() ? 0 : RowOfName(printerName);
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(List(), LVM_SETITEMSTATE, selected < 0 ? 0 : selected,
                 reinterpret_cast<LPARAM>(&state));
    for (const printer::PrinterRow& row : rows) {
        if (row.connection != kFilePort) return TRUE;
    }
    Refuse(Handle(), message::kOnlyFiles, true);
    End(IDCANCEL); // reached only where the exit is observed instead of carried out
    return TRUE;
}

void CDlg_Printer::CreateColumns() {
    const char* titles[2] = {kPrinterColumnName, kPrinterColumnConnection};
    const int widths[2] = {kNameColumnWidth, kConnectionColumnWidth};
    for (int index = 0; index < 2; ++index) {
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = widths[index];
        column.pszText = const_cast<char*>(titles[index]);
        column.iSubItem = index;
        SendMessageA(List(), LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
    }
    SendMessageA(List(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

void CDlg_Printer::AddRow(const printer::PrinterRow& row) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<char*>(row.name.c_str());
    // The sorted list decides the position; the index it returns is the row itself,
    // even where another printer's name differs only in letter case.
    int index =
        static_cast<int>(SendMessageA(List(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (index < 0) return;
    LVITEMA cell = {};
    cell.iSubItem = 1;
    cell.pszText = const_cast<char*>(row.connection.c_str());
    SendMessageA(List(), LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&cell));
}

std::string CDlg_Printer::CellText(int row, int column) const {
    char text[MAX_PATH + 1] = {};
    LVITEMA cell = {};
    cell.iSubItem = column;
    cell.pszText = text;
    cell.cchTextMax = sizeof text;
    SendMessageA(List(), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&cell));
    return text;
}

int CDlg_Printer::RowOfName(const std::string& name) const {
    int count = static_cast<int>(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        if (CellText(row, 0) == name) return row;
    }
    return -1;
}

void CDlg_Printer::Refuse(HWND owner, const framework::Message& refusal, bool endProcess) {
    message::Tell(owner, refusal);
    if (endProcess) framework::Ui().EndProcess(1);
}

bool CDlg_Printer::Take(HWND owner, const printer::PrinterRow& row) {
    printerName = row.name;
    portName = row.connection;
    if (portName != kFilePort) return true;
    // A file port is refused; as the only printer it ends the program.
    bool onlyPrinter = printerCount == 1;
    Refuse(owner, onlyPrinter ? message::kFileOnlyRow : message::kFileChooseOther, onlyPrinter);
    return false;
}

void CDlg_Printer::Accept() {
    int selected = static_cast<int>(SendMessageA(List(), LVM_GETNEXTITEM, -1, LVNI_SELECTED));
    if (selected < 0) {
        message::Tell(Handle(), message::kNoneChosen);
        return;
    }
    if (Take(Handle(), {CellText(selected, 0), CellText(selected, 1)})) {
        End(IDOK);
    } else if (printerCount == 1) {
        End(IDCANCEL); // reached only where the exit is observed instead of carried out
    }
}

bool CDlg_Printer::OnNotify(NMHDR* header, LRESULT& result) {
    result = 0;
    if (header->idFrom != IDC_PRINTER_LIST || header->code != NM_DBLCLK) return false;
    if (SendMessageA(List(), LVM_GETNEXTITEM, -1, LVNI_SELECTED) >= 0) Accept();
    return true;
}
