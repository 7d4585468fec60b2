#pragma once
// The version-information dialog: icon, product name, version and a notice; OK, Enter,
// Escape and the close box end it.
#include "framework/Dialog.h"
#include "settings/PageIds.h"

class CDlg_About : public framework::Dialog {
public:
    CDlg_About() : Dialog(IDD_ABOUT) {}
};
