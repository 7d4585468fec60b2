#include "settings/FactoryBlock.h"
#include "settings/FormatRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace settings;

namespace {

template <std::size_t N> std::array<unsigned char, N> Record(const std::string& text) {
    std::array<unsigned char, N> record{};
    std::copy_n(text.begin(), std::min(N, text.size()), record.begin());
    return record;
}

template <std::size_t N> std::string Text(const std::array<unsigned char, N>& record) {
    return std::string(record.begin(), record.end());
}

} // namespace

TEST(FormatRecord, NearestStop) {
    EXPECT_EQ(4, NearestStop(25, kNormalStops));
    EXPECT_EQ(2, NearestStop(19, kNormalStops)); // tie 18/20 goes to the lower stop
    EXPECT_EQ(8, NearestStop(90, kNormalStops)); // tie 60/120
    EXPECT_EQ(9, NearestStop(170, kNormalStops));
    EXPECT_EQ(7, NearestStop(50, kPostcardStops));
    EXPECT_EQ(5, NearestStop(35, kNormalStops));
    EXPECT_EQ(7, NearestStop(46, kNormalStops));
    EXPECT_EQ(0, NearestStop(-48, kNormalStops));
    EXPECT_EQ(9, NearestStop(100000, kNormalStops));
    EXPECT_EQ(0, NearestStop(-2147483647 - 1, kNormalStops));
    EXPECT_EQ(&kPostcardStops, &StopsFor(kPostcard));
}

// The load position of each feed stop; the postcard slider differs only at stop 7.
TEST(FormatRecord, StopTablesHoldEachStopsLoadPosition) {
    const int normal[kStopCount] = {0, 15, 18, 20, 28, 30, 40, 46, 60, 120};
    for (int stop = 0; stop < kStopCount; ++stop) {
        EXPECT_EQ(normal[stop], kNormalStops[stop]) << stop;
        EXPECT_EQ(stop == 7 ? 54 : normal[stop], kPostcardStops[stop]) << stop;
    }
}

TEST(FormatRecord, ShortRecordRoundTrip) {
    ShortRecord record = Record<short_record::size>(FactoryBlock.Text(field::format0));
    FormatFields f = ParseShortRecord(record);
    EXPECT_EQ(66, f.paperLength);
    EXPECT_EQ(0, f.leftMargin);
    EXPECT_EQ(136, f.rightMargin);
    EXPECT_EQ((std::array<int, 5>{120, 120, 46, 46, 54}), f.loadPosition);
    EXPECT_EQ((std::array<int, 5>{9, 9, 7, 7, 7}), f.stop);

    f.paperLength = 5;
    f.leftMargin = 77; // a short record has no margins
    f.loadPosition = {0, 170, 25, 9, 100};
    f.cutSheetAdjust = 68;
    f.frontTractorAdjust = 3;
    PrintShortRecord(f, record);
    EXPECT_EQ("05,000,170,025,009,100,68,03,", Text(record));
    FormatFields back = ParseShortRecord(record);
    EXPECT_EQ(f.loadPosition, back.loadPosition);
    EXPECT_EQ(68, back.cutSheetAdjust);
    EXPECT_EQ(3, back.frontTractorAdjust);
    EXPECT_EQ(0, back.leftMargin);
}

TEST(FormatRecord, LongRecordRoundTripKeepsSeparators) {
    LongRecord record = Record<long_record::size>("66;000;136;120;120;046;046;054;00;00;");
    FormatFields f = ParseLongRecord(record);
    EXPECT_EQ(136, f.rightMargin);
    f.leftMargin = 12;
    f.rightMargin = 80;
    f.loadPosition[kPostcard] = 50;
    f.cutSheetAdjust = 1;
    f.frontTractorAdjust = 2;
    PrintLongRecord(f, record);
    EXPECT_EQ("66;012;080;120;120;046;046;050;01;02;", Text(record));
    FormatFields back = ParseLongRecord(record);
    EXPECT_EQ(12, back.leftMargin);
    EXPECT_EQ(80, back.rightMargin);
    EXPECT_EQ(7, back.stop[kPostcard]);
    EXPECT_EQ(1, back.cutSheetAdjust); // cut sheet comes before front tractor
    EXPECT_EQ(2, back.frontTractorAdjust);
}

TEST(FormatRecord, ParsesWithoutValidation) {
    FormatFields f = ParseLongRecord(Record<long_record::size>("6A,0 0,136,1:0"));
    EXPECT_EQ(60 + 17, f.paperLength);
    EXPECT_EQ(-16 * 10, f.leftMargin);
    EXPECT_EQ(200, f.loadPosition[kFrontTractor]);
    EXPECT_EQ(9, f.stop[kFrontTractor]);
    EXPECT_EQ(-48 * 111, f.loadPosition[kRearTractor]); // zero bytes past the text
}
