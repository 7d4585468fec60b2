#pragma once
// The four memory-switch pages: one design, told apart by their switch number and
// template. Which control edits which bit comes from the switch table of the core.
#include "pages/CPage.h"
#include "settings/MswPageValues.h"

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

    int mswNumber;
    settings::MswPageValues values;
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
