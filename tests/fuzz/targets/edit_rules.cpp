// The number edits' correction rules on any typed text: the handler's nested runs end
// by themselves (never at the simulator's safety stop), the edit ends as a text the
// rule leaves alone, and with the focus its number is within range unless flagged.
#include "tests/fuzz/engine/Fuzz.h"

#include "settings/EditRules.h"
#include "text/Number.h"

using namespace settings;

const std::size_t fuzz::kMaxInputSize = 64;

void fuzz::FuzzOne(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    auto rule = static_cast<EditRule>(in.Byte() % 9);
    bool hasFocus = in.Bool();
    bool flagBefore = in.Bool();
    std::string text = in.Rest();
    const EditRuleInfo& info = GetEditRuleInfo(rule);

    EditCheck check = CheckEdit(rule, text, hasFocus);
    if (!hasFocus) FUZZ_CHECK(!check.correction && !check.setsFlag);
    FUZZ_CHECK(!(check.setsFlag && check.correction));
    if (check.lengthCut) FUZZ_CHECK(check.lengthCut->size() <= text.size());

    EditOutcome edit = SimulateEdit(rule, text, hasFocus, flagBefore);
    FUZZ_CHECK(edit.runs >= 1 && edit.runs <= 4);
    EditCheck last = CheckEdit(rule, edit.text, hasFocus);
    FUZZ_CHECK(!last.lengthCut && !last.correction);
    if (!info.hasFlag) FUZZ_CHECK(edit.flag == flagBefore);
    if (edit.text != text) {
        // Whatever the rule wrote is a plain decimal number; with the focus it fits the
        // edit and lies within range unless flagged.
        FUZZ_CHECK(!edit.text.empty() &&
                   edit.text.find_first_not_of("0123456789") == std::string::npos);
        FUZZ_CHECK(edit.text == "0" || edit.text[0] != '0');
        int value = 0;
        if (hasFocus) {
            FUZZ_CHECK(number::ParseInteger(edit.text, value));
            FUZZ_CHECK(edit.text.size() <= info.maxLength);
            if (!edit.flag) FUZZ_CHECK(value >= info.min && value <= info.max);
        }
    }
}
