#include "settings/EditRules.h"

#include <gtest/gtest.h>

using settings::EditRule;
using settings::SimulateEdit;

namespace {

// Typed text with the focus in the edit; the result "text" or "text!" when flagged.
std::string Type(EditRule rule, const std::string& text, bool flagBefore = false) {
    settings::EditOutcome edit = SimulateEdit(rule, text, true, flagBefore);
    return edit.text + (edit.flag ? "!" : "");
}

} // namespace

TEST(EditRules, CentringFlagsPartialValues) {
    EXPECT_EQ("5!", Type(EditRule::ParamCutSheet, "5"));
    EXPECT_EQ("50", Type(EditRule::ParamCutSheet, "50", true));
    EXPECT_EQ("10", Type(EditRule::ParamCutSheet, "7"));
    EXPECT_EQ("10", Type(EditRule::ParamFrontTractor, "0"));
    EXPECT_EQ("6!", Type(EditRule::ParamFrontTractor, "6"));
    EXPECT_EQ("68", Type(EditRule::ParamCutSheet, "69"));
    EXPECT_EQ("68", Type(EditRule::ParamCutSheet, "999"));

    EXPECT_EQ("68", Type(EditRule::ParamRearTractor, "3"));
    EXPECT_EQ("1!", Type(EditRule::ParamRearTractor, "1"));
    EXPECT_EQ("12!", Type(EditRule::ParamRearTractor, "12"));
    EXPECT_EQ("67!", Type(EditRule::ParamRearTractor, "67"));
    EXPECT_EQ("120", Type(EditRule::ParamRearTractor, "120", true));
    EXPECT_EQ("126", Type(EditRule::ParamRearTractor, "127"));
}

TEST(EditRules, OverlongTextKeepsItsLeadingDigits) {
    // The nested run for "7" sets the flag, and the outer run, still working with 7,
    // sets it again after.
    EXPECT_EQ("7!", Type(EditRule::ParamRearTractor, "00007"));
    EXPECT_EQ("10", Type(EditRule::ParamCutSheet, "0000"));
    EXPECT_EQ("126", Type(EditRule::ParamRearTractor, "00012345"));
    EXPECT_EQ("12", Type(EditRule::FormatLoadPosition, "12ab5"));

    // A long plain number is not rewritten: that would re-run the handler forever.
    settings::EditOutcome edit = SimulateEdit(EditRule::ParamCutSheet, "12345", false);
    EXPECT_EQ("12345", edit.text);
    EXPECT_EQ(1, edit.runs);
    edit = SimulateEdit(EditRule::ParamCutSheet, "99999999999999999999", true);
    EXPECT_EQ("68", edit.text);
    EXPECT_LE(edit.runs, 3);
}

TEST(EditRules, WithoutFocusOnlyTheLengthIsCut) {
    settings::EditOutcome edit = SimulateEdit(EditRule::ParamCutSheet, "5", false, true);
    EXPECT_EQ("5", edit.text);
    EXPECT_FALSE(edit.flag);
    EXPECT_EQ("200", SimulateEdit(EditRule::FormatLoadPosition, "200", false).text);
    EXPECT_EQ("", SimulateEdit(EditRule::ParamLoadTime, "", false).text);
    EXPECT_EQ("7", SimulateEdit(EditRule::ParamRearTractor, "00007", false).text);
}

TEST(EditRules, LoadTimeAndFormatClampWithoutFlags) {
    EXPECT_EQ("2", Type(EditRule::ParamLoadTime, ""));
    EXPECT_EQ("5", Type(EditRule::ParamLoadTime, "9"));
    EXPECT_EQ("2", Type(EditRule::ParamLoadTime, "1"));

    EXPECT_EQ("170", Type(EditRule::FormatLoadPosition, "200"));
    EXPECT_EQ("", Type(EditRule::FormatLoadPosition, ""));
    EXPECT_EQ("1", Type(EditRule::FormatPaperLength, ""));
    EXPECT_EQ("136", Type(EditRule::FormatRightMargin, "140"));
    EXPECT_EQ("135", Type(EditRule::FormatLeftMargin, "999"));
    EXPECT_EQ("68", Type(EditRule::FormatCorrection, "70"));
}

// The parameter page reads unsigned (a sign makes no number), the format dialog signed.
TEST(EditRules, Signedness) {
    EXPECT_EQ(0, settings::CheckEdit(EditRule::ParamCutSheet, "-5", false).value);
    EXPECT_EQ(-5, settings::CheckEdit(EditRule::FormatCorrection, "-5", false).value);
    EXPECT_EQ("0", Type(EditRule::FormatCorrection, "-5"));
    EXPECT_EQ("1", Type(EditRule::FormatPaperLength, "-1"));
    EXPECT_EQ("10", Type(EditRule::ParamCutSheet, "-5"));
}

TEST(EditRules, OneRunReportsItsSteps) {
    settings::EditCheck check = settings::CheckEdit(EditRule::ParamRearTractor, "00007", true);
    EXPECT_TRUE(check.clearsFlag);
    EXPECT_EQ(7, check.value);
    EXPECT_EQ("7", check.lengthCut.value_or("-"));
    EXPECT_TRUE(check.setsFlag);
    EXPECT_FALSE(check.correction);

    check = settings::CheckEdit(EditRule::FormatLoadPosition, "200", true);
    EXPECT_FALSE(check.clearsFlag);
    EXPECT_EQ(200, check.value); // the slider follows the value the run read
    EXPECT_EQ("170", check.correction.value_or("-"));
}

// A text of exactly an edit's longest length stays as typed; one character more is cut to
// its leading digits. Without the focus nothing else is corrected.
TEST(EditRules, LongestTextStaysAndOneMoreIsCut) {
    const struct {
        EditRule rule;
        std::size_t longest;
    } cases[] = {
        {EditRule::ParamCutSheet, 3},      {EditRule::ParamFrontTractor, 3},
        {EditRule::ParamRearTractor, 4},   {EditRule::ParamLoadTime, 2},
        {EditRule::FormatLoadPosition, 4}, {EditRule::FormatPaperLength, 3},
        {EditRule::FormatLeftMargin, 4},   {EditRule::FormatRightMargin, 4},
        {EditRule::FormatCorrection, 3},
    };
    for (const auto& c : cases) {
        const std::string longest = std::string(c.longest - 1, '0') + "5";
        EXPECT_EQ(longest, SimulateEdit(c.rule, longest, false).text) << longest;
        EXPECT_EQ("5", SimulateEdit(c.rule, "0" + longest, false).text) << longest;
    }
}
