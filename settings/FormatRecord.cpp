#include "settings/FormatRecord.h"

#include "settings/Catalogue.h"

#include <cstdlib>

namespace settings {
namespace {

// The numbers of a record of `formatNumber` (0 short) that it has; the margins of a short
// record are set by the callers.
template <std::size_t N>
FormatFields Parse(const std::array<unsigned char, N>& record, int formatNumber) {
    FormatFields fields;
    for (const Row* row : RowsOf(kSelectPage, Kind::Record)) {
        Field f = RecordField(*row, formatNumber);
        if (f.width) NumberOf(fields, *row) = ReadNumber(record, f);
    }
    for (int path = 0; path < kLoadPathCount; ++path)
        fields.stop[path] =
            NearestStop(fields.loadPosition[path], StopsFor(static_cast<LoadPath>(path)));
    return fields;
}

template <std::size_t N>
void Print(const FormatFields& fields, int formatNumber, std::array<unsigned char, N>& record) {
    for (const Row* row : RowsOf(kSelectPage, Kind::Record)) {
        Field f = RecordField(*row, formatNumber);
        if (f.width) WriteNumber(record, f, NumberOf(fields, *row));
    }
}

} // namespace

const StopTable& StopsFor(LoadPath path) {
    return path == kPostcard ? kPostcardStops : kNormalStops;
}

int NearestStop(int value, const StopTable& table) {
    auto distance = [value](int stopValue) {
        return std::llabs(static_cast<long long>(stopValue) - value);
    };
    int nearest = 0;
    for (int stop = 1; stop < kStopCount; ++stop)
        if (distance(table[stop]) < distance(table[nearest])) nearest = stop;
    return nearest;
}

FormatFields ParseShortRecord(const ShortRecord& record) {
    FormatFields fields = Parse(record, 0);
    fields.leftMargin = kShortRecordLeftMargin;
    fields.rightMargin = kShortRecordRightMargin;
    return fields;
}

FormatFields ParseLongRecord(const LongRecord& record) {
    return Parse(record, 1);
}

void PrintShortRecord(const FormatFields& fields, ShortRecord& record) {
    Print(fields, 0, record);
}

void PrintLongRecord(const FormatFields& fields, LongRecord& record) {
    Print(fields, 1, record);
}

} // namespace settings
