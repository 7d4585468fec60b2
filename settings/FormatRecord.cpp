#include "settings/FormatRecord.h"

#include <cstdlib>

namespace settings {
namespace {

// The positions of the numbers inside one kind of record.
struct RecordLayout {
    Field paperLength;
    std::array<Field, kLoadPathCount> loadPosition;
    Field cutSheetAdjust;
    Field frontTractorAdjust;
};

constexpr RecordLayout kShortLayout{
    short_record::paper_length,
    {short_record::load_pos_front_tractor, short_record::load_pos_rear_tractor,
     short_record::load_pos_sheet_guide, short_record::load_pos_sheet_feeder,
     short_record::load_pos_postcard},
    short_record::cut_sheet_adjust,
    short_record::front_tractor_adjust};

constexpr RecordLayout kLongLayout{
    long_record::paper_length,
    {long_record::load_pos_front_tractor, long_record::load_pos_rear_tractor,
     long_record::load_pos_sheet_guide, long_record::load_pos_sheet_feeder,
     long_record::load_pos_postcard},
    long_record::cut_sheet_adjust,
    long_record::front_tractor_adjust};

// The fields both kinds of record share; the margins are set by the callers.
template <std::size_t N>
FormatFields ParseCommon(const std::array<unsigned char, N>& record, const RecordLayout& layout) {
    FormatFields fields;
    fields.paperLength = ReadNumber(record, layout.paperLength);
    for (int path = 0; path < kLoadPathCount; ++path) {
        fields.loadPosition[path] = ReadNumber(record, layout.loadPosition[path]);
        fields.stop[path] =
            NearestStop(fields.loadPosition[path], StopsFor(static_cast<LoadPath>(path)));
    }
    fields.cutSheetAdjust = ReadNumber(record, layout.cutSheetAdjust);
    fields.frontTractorAdjust = ReadNumber(record, layout.frontTractorAdjust);
    return fields;
}

template <std::size_t N>
void PrintCommon(const FormatFields& fields, const RecordLayout& layout,
                 std::array<unsigned char, N>& record) {
    WriteNumber(record, layout.paperLength, fields.paperLength);
    for (int path = 0; path < kLoadPathCount; ++path)
        WriteNumber(record, layout.loadPosition[path], fields.loadPosition[path]);
    WriteNumber(record, layout.cutSheetAdjust, fields.cutSheetAdjust);
    WriteNumber(record, layout.frontTractorAdjust, fields.frontTractorAdjust);
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
    FormatFields fields = ParseCommon(record, kShortLayout);
    fields.leftMargin = kShortRecordLeftMargin;
    fields.rightMargin = kShortRecordRightMargin;
    return fields;
}

FormatFields ParseLongRecord(const LongRecord& record) {
    FormatFields fields = ParseCommon(record, kLongLayout);
    fields.leftMargin = ReadNumber(record, long_record::left_margin);
    fields.rightMargin = ReadNumber(record, long_record::right_margin);
    return fields;
}

void PrintShortRecord(const FormatFields& fields, ShortRecord& record) {
    PrintCommon(fields, kShortLayout, record);
}

void PrintLongRecord(const FormatFields& fields, LongRecord& record) {
    PrintCommon(fields, kLongLayout, record);
    WriteNumber(record, long_record::left_margin, fields.leftMargin);
    WriteNumber(record, long_record::right_margin, fields.rightMargin);
}

} // namespace settings
