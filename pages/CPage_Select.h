#pragma once
// The function-selection page: print-quality functions and the current format, whose
// record the format button edits.
#include "pages/CDlg_Format.h"
#include "pages/CPage.h"
#include "settings/SelectPageValues.h"

class CPage_Select : public CPage {
public:
    CPage_Select();

    void LoadFromBlock(settings::SettingsBlock& block) override;
    bool StoreToBlock(settings::SettingsBlock& block) override;
    // Captions the format button after the stored format name.
    void UpdateFormatButton();
    // Runs the format dialog on the record of the stored format name; OK raises the
    // data-check command so the edited record reaches the block.
    void OpenFormatDialog();
    const settings::SelectPageValues& Values() const { return values; }
    CDlg_Format& FormatDialog() { return formatDialog; }

protected:
    const framework::ListItems* InitialLists(std::size_t& count) const override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void ToControls();
    bool FromControls();

    settings::SelectPageValues values;
    CDlg_Format formatDialog;
};
