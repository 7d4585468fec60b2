#pragma once
// Corrections applied while the user types into the number edits of the parameter page
// and the format dialog. Each edit's change handler runs one check (CheckEdit) per text
// change; its write-backs change the text again and so re-enter the handler, nested.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace settings {

enum class EditRule {
    ParamCutSheet,      // parameter page 1061, head centring for cut sheets
    ParamFrontTractor,  // parameter page 1062, head centring for the front tractor
    ParamRearTractor,   // parameter page 1063, head centring for the rear tractor
    ParamLoadTime,      // parameter page 1064, paper-load time from the sheet guide
    FormatLoadPosition, // format dialog 1060, 1200, 1062, 1066, 1064
    FormatPaperLength,  // format dialog 1054
    FormatLeftMargin,   // format dialog 1201
    FormatRightMargin,  // format dialog 1202
    FormatCorrection,   // format dialog 1058, 1061
};

// Values below the minimum that a centring edit keeps (flagged) rather than correcting,
// because the user may still be typing a valid value. An empty range has low > high.
struct FlagRange {
    int low;
    int high;
};

struct EditRuleInfo {
    int min;
    int max;
    std::size_t maxLength; // a longer text is cut to its leading digits
    bool isSigned;         // the text is read with an optional sign
    bool hasFlag;          // the edit has an out-of-range flag (centring edits)
    FlagRange flagRanges[2];
};

const EditRuleInfo& GetEditRuleInfo(EditRule rule);

// What one run of an edit's change handler does, in this order: clear the flag, write
// `lengthCut` (which re-enters the handler), then either set the flag or write
// `correction` (which re-enters the handler). `value` is what the run works with
// throughout, even after its own write-backs.
struct EditCheck {
    bool clearsFlag = false;
    int value = 0;
    std::optional<std::string> lengthCut;
    bool setsFlag = false;
    std::optional<std::string> correction;
};

// One run of the change handler for `text`. Corrections of the value and the flag only
// happen while the edit has the keyboard focus.
EditCheck CheckEdit(EditRule rule, std::string_view text, bool hasFocus);

// The edit after a text change, with the handler's nested re-runs played out the way
// the edit control does them. `runs` counts the handler runs.
struct EditOutcome {
    std::string text;
    bool flag = false;
    int runs = 0;
};

EditOutcome SimulateEdit(EditRule rule, std::string_view text, bool hasFocus,
                         bool flagBefore = false);

} // namespace settings
