// Format records of any bytes: parsing and printing back is a fixed point after one
// round, printing writes digits into the number fields only, and every load position
// gets its nearest stop (the lower one on a tie).
#include "tests/fuzz/engine/BlockLayout.h"
#include "tests/fuzz/engine/Fuzz.h"

#include "settings/FormatRecord.h"

#include <cstdlib>
#include <cstring>

namespace {

using namespace settings;

void CheckStop(int value, int stop, const StopTable& table) {
    FUZZ_CHECK(stop >= 0 && stop < kStopCount);
    long long best = std::llabs(static_cast<long long>(table[stop]) - value);
    for (int i = 0; i < kStopCount; ++i) {
        long long d = std::llabs(static_cast<long long>(table[i]) - value);
        FUZZ_CHECK(d > best || (d == best && i >= stop));
    }
}

void CheckFields(const FormatFields& fields) {
    for (int path = 0; path < kLoadPathCount; ++path)
        CheckStop(fields.loadPosition[path], fields.stop[path],
                  StopsFor(static_cast<LoadPath>(path)));
}

// Only digits, and only inside the record's numbers, where `before` and `after` differ.
template <std::size_t N>
void CheckDigitsOnly(const std::array<unsigned char, N>& before,
                     const std::array<unsigned char, N>& after) {
    for (std::size_t i = 0; i < N; ++i) {
        if (before[i] == after[i]) continue;
        FUZZ_CHECK(after[i] >= '0' && after[i] <= '9');
        FUZZ_CHECK(N == short_record::size ? fuzz::Covers(fuzz::kShortRecordNumbers, i)
                                           : fuzz::Covers(fuzz::kLongRecordNumbers, i));
    }
}

template <std::size_t N, typename Parse, typename Print>
void RoundTrip(const std::array<unsigned char, N>& record, Parse parse, Print print) {
    FormatFields fields = parse(record);
    CheckFields(fields);
    std::array<unsigned char, N> once = record;
    print(fields, once);
    CheckDigitsOnly(record, once);
    std::array<unsigned char, N> twice = once;
    print(parse(once), twice);
    FUZZ_CHECK(twice == once);
}

} // namespace

const std::size_t fuzz::kMaxInputSize = 128;

void fuzz::FuzzOne(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    ShortRecord shortRecord;
    LongRecord longRecord;
    for (auto& b : shortRecord)
        b = in.Byte();
    for (auto& b : longRecord)
        b = in.Byte();
    RoundTrip(shortRecord, ParseShortRecord, PrintShortRecord);
    RoundTrip(longRecord, ParseLongRecord, PrintLongRecord);

    // Any numbers, printed: digits only, and the short record keeps its margins' bytes.
    FormatFields fields;
    fields.paperLength = static_cast<int>(in.U32());
    fields.leftMargin = static_cast<int>(in.U32());
    fields.rightMargin = static_cast<int>(in.U32());
    for (int& p : fields.loadPosition)
        p = static_cast<int>(in.U32());
    fields.cutSheetAdjust = static_cast<int>(in.U32());
    fields.frontTractorAdjust = static_cast<int>(in.U32());
    LongRecord printed = longRecord;
    PrintLongRecord(fields, printed);
    CheckDigitsOnly(longRecord, printed);
    ShortRecord printedShort = shortRecord;
    PrintShortRecord(fields, printedShort);
    CheckDigitsOnly(shortRecord, printedShort);
    FormatFields back = ParseShortRecord(printedShort);
    FUZZ_CHECK(back.leftMargin == 0 && back.rightMargin == 136);
    CheckFields(back);
    int value = static_cast<int>(in.U32());
    CheckStop(value, NearestStop(value, kNormalStops), kNormalStops);
    CheckStop(value, NearestStop(value, kPostcardStops), kPostcardStops);
}
