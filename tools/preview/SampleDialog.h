#pragma once
// A dialog of TBK42 from its bare template, for preview.
#include "framework/Dialog.h"

// A dialog from a bare template, with sample contents where the template has none.
class SampleDialog : public framework::Dialog {
public:
    explicit SampleDialog(UINT id) : Dialog(id) {}

protected:
    BOOL OnInitDialog() override;

private:
    void FillFormat();
    void FillPrinters();
};
