#include "settings/EditRules.h"

#include "settings/ValueRanges.h"

#include <climits>

namespace settings {
namespace {

constexpr FlagRange kNoRange = {1, 0};

// Indexed by EditRule. The length limit is one more than the digits of the maximum.
constexpr EditRuleInfo kRules[] = {
    {kCentringRange.min, kCentringRange.max, 3, false, true, {{1, 6}, kNoRange}},
    {kCentringRange.min, kCentringRange.max, 3, false, true, {{1, 6}, kNoRange}},
    {kRearCentringRange.min, kRearCentringRange.max, 4, false, true, {{1, 1}, {6, 67}}},
    {kFeedTimeRange.min, kFeedTimeRange.max, 2, false, false, {kNoRange, kNoRange}},
    {kLoadPositionRange.min, kLoadPositionRange.max, 4, true, false, {kNoRange, kNoRange}},
    {kPaperLengthRange.min, kPaperLengthRange.max, 3, true, false, {kNoRange, kNoRange}},
    {kLeftMarginRange.min, kLeftMarginRange.max, 4, true, false, {kNoRange, kNoRange}},
    {kRightMarginRange.min, kRightMarginRange.max, 4, true, false, {kNoRange, kNoRange}},
    {kCorrectionRange.min, kCorrectionRange.max, 3, true, false, {kNoRange, kNoRange}},
};
static_assert(sizeof kRules / sizeof kRules[0] ==
                  static_cast<std::size_t>(EditRule::FormatCorrection) + 1,
              "one rule per EditRule");

// A safety stop for the simulator; real rule chains end after three runs.
constexpr int kMaxRuns = 16;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t LeadingDigitCount(std::string_view text) {
    std::size_t count = 0;
    while (count < text.size() && IsDigit(text[count]))
        ++count;
    return count;
}

// Decimal digits to a number, saturating at INT_MAX.
int DigitsValue(std::string_view digits) {
    int value = 0;
    for (char c : digits) {
        int digit = c - '0';
        value = value > (INT_MAX - digit) / 10 ? INT_MAX : value * 10 + digit;
    }
    return value;
}

// The whole text as a decimal integer (an optional sign only when signed); 0 when it
// is empty or not a number.
int ReadValue(std::string_view text, bool isSigned) {
    bool negative = false;
    if (isSigned && !text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || LeadingDigitCount(text) != text.size()) return 0;
    int value = DigitsValue(text);
    return negative ? -value : value;
}

// Decimal digits in plain form: no leading zeros, "0" when none.
std::string PlainDecimal(std::string_view digits) {
    std::size_t zeros = digits.find_first_not_of('0');
    digits.remove_prefix(zeros == std::string_view::npos ? digits.size() : zeros);
    return digits.empty() ? std::string("0") : std::string(digits);
}

bool InFlagRange(const EditRuleInfo& info, int value) {
    for (const FlagRange& range : info.flagRanges)
        if (value >= range.low && value <= range.high) return true;
    return false;
}

// The range rule, applied only while the edit has the focus.
void CorrectRange(const EditRuleInfo& info, EditCheck& check) {
    if (check.value > info.max)
        check.correction = std::to_string(info.max);
    else if (check.value < info.min && InFlagRange(info, check.value))
        check.setsFlag = true;
    else if (check.value < info.min)
        check.correction = std::to_string(info.min);
}

void Run(EditRule rule, bool hasFocus, EditOutcome& edit);

// Writing into the edit changes its text and so runs the handler again.
void Write(EditRule rule, bool hasFocus, const std::string& text, EditOutcome& edit) {
    edit.text = text;
    Run(rule, hasFocus, edit);
}

void Run(EditRule rule, bool hasFocus, EditOutcome& edit) {
    if (++edit.runs > kMaxRuns) return;
    EditCheck check = CheckEdit(rule, edit.text, hasFocus);
    if (check.clearsFlag) edit.flag = false;
    if (check.lengthCut) Write(rule, hasFocus, *check.lengthCut, edit);
    if (check.setsFlag) edit.flag = true;
    if (check.correction) Write(rule, hasFocus, *check.correction, edit);
}

} // namespace

const EditRuleInfo& GetEditRuleInfo(EditRule rule) {
    return kRules[static_cast<int>(rule)];
}

EditCheck CheckEdit(EditRule rule, std::string_view text, bool hasFocus) {
    const EditRuleInfo& info = GetEditRuleInfo(rule);
    EditCheck check;
    check.clearsFlag = info.hasFlag;
    check.value = ReadValue(text, info.isSigned);
    if (text.size() > info.maxLength) {
        std::string_view digits = text.substr(0, LeadingDigitCount(text));
        check.value = DigitsValue(digits);
        // A text that already is its plain form is not written again: the write would
        // re-enter the handler with the same text, without end.
        std::string plain = PlainDecimal(digits);
        if (plain != text) check.lengthCut = plain;
    }
    if (hasFocus) CorrectRange(info, check);
    return check;
}

EditOutcome SimulateEdit(EditRule rule, std::string_view text, bool hasFocus, bool flagBefore) {
    EditOutcome edit{std::string(text), flagBefore, 0};
    Run(rule, hasFocus, edit);
    return edit;
}

} // namespace settings
