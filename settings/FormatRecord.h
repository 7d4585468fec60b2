#pragma once
// Format records (page formats "書式０".."書式４") as numbers, and the feed stops of the
// format dialog's load-position sliders.
#include "settings/SettingsBlock.h"

#include <array>

namespace settings {

// The paper paths, in record order.
enum LoadPath : int {
    kFrontTractor,
    kRearTractor,
    kSheetGuide,
    kSheetFeeder,
    kPostcard,
    kLoadPathCount
};

constexpr int kStopCount = 10;
using StopTable = std::array<int, kStopCount>; // load position of each stop, 1/120 inch

inline constexpr StopTable kNormalStops{0, 15, 18, 20, 28, 30, 40, 46, 60, 120};
inline constexpr StopTable kPostcardStops{0, 15, 18, 20, 28, 30, 40, 54, 60, 120};

// The postcard path has a table of its own.
const StopTable& StopsFor(LoadPath path);

// The stop whose value is nearest to `value`; on a tie the lower stop.
int NearestStop(int value, const StopTable& table);

// Margins of a short record, which has none.
constexpr int kShortRecordLeftMargin = 0;
constexpr int kShortRecordRightMargin = 136;

struct FormatFields {
    int paperLength = 0;
    int leftMargin = 0;
    int rightMargin = 0;
    std::array<int, kLoadPathCount> loadPosition{};
    std::array<int, kLoadPathCount> stop{}; // slider stop of each load position
    int cutSheetAdjust = 0;
    int frontTractorAdjust = 0;
};

// Read each digit as its character code minus that of "0", without validation, and give
// each load position its nearest stop. A short record gives margins 0 and 136.
FormatFields ParseShortRecord(const ShortRecord& record);
FormatFields ParseLongRecord(const LongRecord& record);

// Write the numbers as zero-padded digits into an existing record; the separators stay as
// they are and the stops are not written. A short record takes no margins.
void PrintShortRecord(const FormatFields& fields, ShortRecord& record);
void PrintLongRecord(const FormatFields& fields, LongRecord& record);

} // namespace settings
