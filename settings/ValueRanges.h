#pragma once
// The ranges of the number edits: what the edits correct to while the user types, what
// their up-down controls span, what the pages accept from a block.
namespace settings {

struct ValueRange {
    int min;
    int max;
};

// Parameter page: head centring in columns, paper-load time from the sheet guide in
// seconds.
constexpr ValueRange kCentringRange{10, 68}; // cut sheets and the front tractor
constexpr ValueRange kRearCentringRange{68, 126};
constexpr ValueRange kFeedTimeRange{2, 5};

// Format dialog.
constexpr ValueRange kLoadPositionRange{0, 170};
constexpr ValueRange kPaperLengthRange{1, 99};
constexpr ValueRange kLeftMarginRange{0, 135};
constexpr ValueRange kRightMarginRange{1, 136};
constexpr ValueRange kCorrectionRange{0, 68};

} // namespace settings
