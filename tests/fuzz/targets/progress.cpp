// The progress arithmetic for any number of steps (beyond 65,535 files and beyond 32
// bits) and the message texts that embed user values: the bar never passes its 16-bit
// range, never goes back, ends at its range, and a "%" in a value is plain text.
#include "tests/fuzz/engine/Fuzz.h"

#include "installer/SetupRules.h"
#include "text/Cp932.h"

using namespace installer;

namespace {

// The first "%<kind>" that starts a character.
std::size_t Placeholder(const std::string& format, char kind) {
    for (std::size_t pos = 0; pos + 1 < format.size();) {
        if (format[pos] == '%' && format[pos + 1] == kind) return pos;
        pos += cp932::IsLeadByte(static_cast<unsigned char>(format[pos])) ? 2 : 1;
    }
    return std::string::npos;
}

void CheckSubstitute(const std::string& format, const std::string& value, const std::string& result,
                     char kind) {
    std::size_t at = Placeholder(format, kind);
    if (at == std::string::npos)
        FUZZ_CHECK(result == format);
    else
        FUZZ_CHECK(result == format.substr(0, at) + value + format.substr(at + 2));
}

} // namespace

const std::size_t fuzz::kMaxInputSize = 600;

void fuzz::FuzzOne(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    std::uint64_t steps = in.Byte() & 1 ? in.U64() : in.U32() % 200000;
    ProgressScale scale = ScaleFor(steps);
    FUZZ_CHECK(scale.range <= 65535u && scale.range <= scale.steps);
    FUZZ_CHECK(scale.steps == (steps > 0xFFFFFFFFull ? 0xFFFFFFFFu : steps));
    FUZZ_CHECK(scale.range == (scale.steps < 65535u ? scale.steps : 65535u));
    std::uint32_t done = in.U32();
    if (scale.steps != 0 && in.Bool()) done %= scale.steps + 1ull;
    std::uint32_t position = PositionAfter(scale, done);
    FUZZ_CHECK(position <= scale.range);
    if (done < 0xFFFFFFFFu) FUZZ_CHECK(PositionAfter(scale, done + 1) >= position);
    FUZZ_CHECK(PositionAfter(scale, scale.steps) == scale.range);
    FUZZ_CHECK(PositionAfter(scale, 0) == 0);
    int percent = PercentOf(position, scale.range);
    FUZZ_CHECK(percent >= 0 && percent <= 100);
    if (scale.range != 0) FUZZ_CHECK(PercentOf(scale.range, scale.range) == 100);

    std::string format = in.Text();
    std::string value = in.Text();
    CheckSubstitute(format, value, Substitute(format, value), 's');
    long long number = static_cast<long long>(in.U64());
    CheckSubstitute(format, std::to_string(number), Substitute(format, number), 'd');
}
