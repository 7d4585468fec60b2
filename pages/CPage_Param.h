#pragma once
// The parameter page: head-centring positions, fonts, kanji table, times and line-feed
// pitch corrections.
#include "pages/CPage.h"
#include "settings/ParamPageValues.h"

class CPage_Param : public CPage {
public:
    CPage_Param();

    void LoadFromBlock(settings::SettingsBlock& block) override;
    bool StoreToBlock(settings::SettingsBlock& block) override;
    const settings::ParamPageValues& Values() const { return values; }

protected:
    const framework::ListItems* InitialLists(std::size_t& count) const override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void ToControls();
    bool FromControls();

    settings::ParamPageValues values;
};
