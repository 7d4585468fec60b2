#pragma once
// The parameter page: head-centring positions, fonts, kanji table, times and line-feed
// pitch corrections.
#include "pages/CPage.h"
#include "settings/ParamPageValues.h"

class CPage_Param : public CPage {
public:
    CPage_Param();

    // Loading clears the out-of-range flags: a value typed before the load must not
    // replace the loaded one at the next save or send.
    void LoadFromBlock(settings::SettingsBlock& block) override;
    bool StoreToBlock(settings::SettingsBlock& block) override;
    const settings::ParamPageValues& Values() const { return values; }

    // True while a head-centring edit holds a typed value below its minimum.
    bool AnyOutOfRange() const;
    // Tells the user, then writes each flagged edit's minimum and gives it the focus.
    void CheckCentringRange();

protected:
    const framework::ListItems* InitialLists(std::size_t& count) const override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    struct CheckedEdit;
    static const CheckedEdit kCheckedEdits[];

    void ToControls();
    bool FromControls();
    // One run of an edit's change handler; its write-backs re-enter it.
    void OnEditChange(const CheckedEdit& edit);

    settings::ParamPageValues values;
    bool outOfRange[3] = {}; // cut sheet, front tractor, rear tractor
};
