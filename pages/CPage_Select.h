#pragma once
// The function-selection page: print-quality functions and the current format, whose
// record the format button edits.
#include "pages/CDlg_Format.h"
#include "pages/CTablePage.h"
#include "settings/SelectPageValues.h"

class CPage_Select : public CTablePage<settings::SelectPageValues> {
public:
    CPage_Select();

    // Captions the format button after the stored format name.
    void UpdateFormatButton();
    // Runs the format dialog on the record of the stored format name; OK raises the
    // data-check command so the edited record reaches the block.
    void OpenFormatDialog();
    CDlg_Format& FormatDialog() { return formatDialog; }

protected:
    bool OnCommand(int id, int code, HWND control) override;

private:
    CDlg_Format formatDialog;
};
