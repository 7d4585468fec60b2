#pragma once
// The four memory-switch pages: one design, told apart by their switch number and
// template. Which control edits which bit comes from the switch rows of the catalogue.
#include "pages/CPage.h"
#include "settings/MswPageValues.h"

#include <vector>

class CPage_MSW : public CPage {
public:
    CPage_MSW(int mswNumber, UINT templateId);

    void LoadFromBlock(settings::SettingsBlock& block) override;
    bool StoreToBlock(settings::SettingsBlock& block) override;
    const settings::MswPageValues& Values() const { return values; }

protected:
    const framework::ListItems* InitialLists(std::size_t& count) const override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void ToControls();
    bool FromControls();
    bool IsOwnControl(int id) const;
    std::vector<const settings::Row*> Rows() const;

    int mswNumber;
    settings::MswPageValues values;
    std::vector<framework::ListItems> lists; // the country list on MSW1
};

class CPage_MSW1 : public CPage_MSW {
public:
    CPage_MSW1();
};
class CPage_MSW2 : public CPage_MSW {
public:
    CPage_MSW2();
};
class CPage_MSW3 : public CPage_MSW {
public:
    CPage_MSW3();
};
class CPage_MSW4 : public CPage_MSW {
public:
    CPage_MSW4();
};
