#pragma once
// The parameter page: head-centring positions, fonts, kanji table, times and line-feed
// pitch corrections.
#include "pages/CTablePage.h"
#include "settings/ParamPageValues.h"

class CPage_Param : public CTablePage<settings::ParamPageValues> {
public:
    CPage_Param();

    // Loading clears the out-of-range flags: a value typed before the load must not
    // replace the loaded one at the next save or send.
    void LoadFromBlock(settings::SettingsBlock& block) override;

    // True while a head-centring edit holds a typed value below its minimum.
    bool AnyOutOfRange() const;
    // Tells the user, then writes each flagged edit's minimum and gives it the focus.
    void CheckCentringRange();

protected:
    bool OnCommand(int id, int code, HWND control) override;

private:
    bool outOfRange[3] = {}; // cut sheet, front tractor, rear tractor
};
