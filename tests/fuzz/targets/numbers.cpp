// Numbers read from control texts and signed fields written from them, on any text:
// the edits' integer reading agrees with strtoll on the same grammar, the pages' leading
// number saturates instead of overflowing, and a signed field only ever gets "0" or "F"
// and a hex capital, which reads back as the value when it is within the field's range.
#include "tests/fuzz/engine/Fuzz.h"

#include "settings/SettingsBlock.h"
#include "text/Number.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

using namespace settings;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Blanks, an optional sign, digits, blanks: the whole text or nothing.
bool ExpectedInteger(const std::string& text, long long& value) {
    std::size_t pos = text.find_first_not_of(" \t");
    if (pos == std::string::npos) return false;
    std::size_t end = text.find_last_not_of(" \t") + 1;
    std::string core = text.substr(pos, end - pos);
    std::size_t digits = (core[0] == '+' || core[0] == '-') ? 1 : 0;
    if (digits == core.size()) return false;
    for (std::size_t i = digits; i < core.size(); ++i)
        if (!IsDigit(core[i])) return false;
    errno = 0;
    value = std::strtoll(core.c_str(), nullptr, 10);
    return errno == 0 && value >= INT_MIN && value <= INT_MAX;
}

long long ExpectedLeadingInt(const std::string& text) {
    std::size_t pos = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    std::size_t end = pos;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    if (end == pos) return 0;
    errno = 0;
    long long value = std::strtoll(text.substr(0, end).c_str(), nullptr, 10);
    if (errno == ERANGE) value = text[0] == '-' ? LLONG_MIN : LLONG_MAX;
    return value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value;
}

bool IsHexCapital(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

} // namespace

const std::size_t fuzz::kMaxInputSize = 64;

void fuzz::FuzzOne(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);

    long long expected = 0;
    int value = 12345;
    bool parsed = number::ParseInteger(text, value);
    FUZZ_CHECK(parsed == ExpectedInteger(text, expected));
    if (parsed) FUZZ_CHECK(value == expected);

    int leading = ParseLeadingInt(text);
    FUZZ_CHECK(leading == ExpectedLeadingInt(text));

    for (SignedRange range : {kLfPitchRange, kPrintPressureRange}) {
        SettingsBlock block;
        block.bytes.fill('x');
        StoreSignedText(text, block, field::lf_pitch_sheet_guide);
        unsigned char first = block.At(field::lf_pitch_sheet_guide, 0);
        FUZZ_CHECK(first == '0' || first == 'F');
        FUZZ_CHECK(IsHexCapital(block.At(field::lf_pitch_sheet_guide, 1)));
        FUZZ_CHECK(block.At(field::lf_pitch_sheet_guide, 2) == 'x');
        int read = 99;
        FUZZ_CHECK(ReadSigned(block, field::lf_pitch_sheet_guide, range, read));
        int low = range.negativeMin - 'G', high = range.positiveMax - '0';
        if (leading >= low && leading <= high)
            FUZZ_CHECK(read == leading);
        else
            FUZZ_CHECK(read >= low && read <= high);
    }
}
