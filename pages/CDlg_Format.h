#pragma once
// The format dialog: edits one of the five page formats. Each load position shows as an
// exact value in an edit and as a slider with ten stops; the two follow each other.
#include "framework/Dialog.h"
#include "settings/Catalogue.h"
#include "settings/FormatRecord.h"
#include "settings/SettingsBlock.h"

#include <array>
#include <string>

class CDlg_Format : public framework::Dialog {
public:
    // Works on the format records of its page: `format0` (short) and `format1`..`format4`.
    CDlg_Format(settings::ShortRecord& shortRecord,
                std::array<settings::LongRecord, settings::kFormatCount - 1>& longRecords);

    // Set the fields from record buffer 0 (short form) or 1..4 (long form).
    void ReadShortRecord();
    void ReadLongRecord(int formatNumber);
    // The format name decides the title, the margin controls and which buffer OK writes.
    void SetFormatName(const std::string& name) { formatName = name; }
    const settings::FormatFields& Fields() const { return fields; }

protected:
    BOOL OnInitDialog() override;
    // The OK button or Enter: checks the margins and the values, writes the record.
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void ToControls();
    void OnSliderScroll();
    void OnEditChange(const settings::Row& edit);
    bool CorrectMargins();
    bool FromControls(settings::FormatFields& taken);
    void WriteRecord(const settings::FormatFields& taken);
    int FormatNumber() const; // 0..4, -1 for an unknown name

    settings::ShortRecord& shortRecord;
    std::array<settings::LongRecord, settings::kFormatCount - 1>& longRecords;
    settings::FormatFields fields;
    std::string formatName;
};
