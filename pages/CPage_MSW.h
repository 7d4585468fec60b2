#pragma once
// The four memory-switch pages: one design, told apart by their switch number and
// template. Which control edits which bit comes from the switch rows of the catalogue.
#include "pages/CTablePage.h"
#include "settings/MswPageValues.h"

class CPage_MSW : public CTablePage<settings::MswPageValues> {
public:
    CPage_MSW(int mswNumber, UINT templateId);
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
