#pragma once
// The printer-selection dialog: lists the usable printers of the model with their
// connections and accepts one. It may end the process when none can be used.
#include "framework/Dialog.h"
#include "framework/Seam.h"
#include "printer/PrinterList.h"

#include <string>
#include <vector>

class CDlg_Printer : public framework::Dialog {
public:
    CDlg_Printer();

    // Lists the printers and lets the user choose one: IDOK with the choice in the names
    // below, IDCANCEL otherwise. The dialog is shown only when there is a choice to make.
    INT_PTR Choose(HWND owner);

    // Preset with the current choice before a run; the accepted row after IDOK.
    std::string printerName;
    std::string portName;
    unsigned printerCount = 0;
    // The main window's flag: false while it initialises.
    bool startupDone = false;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override { Accept(); }
    bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
    HWND List() const;
    void CreateColumns();
    void AddRow(const printer::PrinterRow& row);
    int RowOfName(const std::string& name) const;
    std::string CellText(int row, int column) const;
    void Accept();
    // Takes `row` as the choice; false when it is refused (a file port).
    bool Take(HWND owner, const printer::PrinterRow& row);
    // Shows `refusal`; then ends the process when asked to.
    void Refuse(HWND owner, const framework::Message& refusal, bool endProcess);

    std::vector<printer::PrinterRow> rows;
};
