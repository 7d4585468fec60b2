#include "printer/ReplyDecoder.h"

#include <cstdio>

namespace printer {
namespace {

// Settings block: offsets of the fields the reply carries.
namespace field {
constexpr std::size_t msw1 = 4;
constexpr std::size_t msw2 = 7;
constexpr std::size_t msw3 = 10;
constexpr std::size_t msw4 = 13;
constexpr std::size_t font1 = 16;
constexpr std::size_t font2 = 18;
constexpr std::size_t kanji_table = 20;
constexpr std::size_t quiet_print = 22;
constexpr std::size_t postcard_mode = 24;
constexpr std::size_t centring_cut_sheet = 28;
constexpr std::size_t centring_front_tractor = 31;
constexpr std::size_t centring_rear_tractor = 34;
constexpr std::size_t format0 = 38;
constexpr std::size_t typeface = 69;
constexpr std::size_t reduction = 71;
constexpr std::size_t paper_thickness = 73;
constexpr std::size_t print_pressure = 76;
constexpr std::size_t print_position = 79;
constexpr std::size_t copy_power = 82;
constexpr std::size_t current_format = 84;
constexpr std::size_t format1 = 86;
constexpr std::size_t format2 = 125;
constexpr std::size_t format3 = 164;
constexpr std::size_t format4 = 203;
constexpr std::size_t auto_return_time = 242;
constexpr std::size_t sheet_guide_feed_time = 245; // only its second byte is carried
constexpr std::size_t aga_retry_time = 248;
constexpr std::size_t lf_pitch_front_tractor = 251;
constexpr std::size_t lf_pitch_rear_tractor = 254;
constexpr std::size_t lf_pitch_sheet_guide = 257;
constexpr std::size_t lf_pitch_sheet_feeder = 260;
} // namespace field

// Format records: offsets inside the short record (format0) and the long ones.
namespace short_record {
constexpr std::size_t paper_length = 0;
constexpr std::size_t load_pos_front_tractor = 3;
constexpr std::size_t load_pos_rear_tractor = 7;
constexpr std::size_t load_pos_sheet_guide = 11;
constexpr std::size_t load_pos_sheet_feeder = 15;
constexpr std::size_t load_pos_postcard = 19;
constexpr std::size_t cut_sheet_adjust = 23;
constexpr std::size_t front_tractor_adjust = 26;
} // namespace short_record

namespace long_record {
constexpr std::size_t paper_length = 0;
constexpr std::size_t left_margin = 3;
constexpr std::size_t right_margin = 7;
constexpr std::size_t load_pos_front_tractor = 11;
constexpr std::size_t load_pos_rear_tractor = 15;
constexpr std::size_t load_pos_sheet_guide = 19;
constexpr std::size_t load_pos_sheet_feeder = 23;
constexpr std::size_t load_pos_postcard = 27;
constexpr std::size_t cut_sheet_adjust = 31;
constexpr std::size_t front_tractor_adjust = 34;
} // namespace long_record

// How one reply value becomes block characters.
enum class Coding {
    Raw,       // the value itself as one byte
    Char,      // one character: value + 48
    Dec2,      // "%02d", first 2 characters
    Dec3,      // "%03d", first 3 characters
    Position3, // load position: value - 9, then "%03d", first 3 characters
    Hex2,      // "%02X"
};

// One block field filled from bits of one reply byte: (byte >> shift) & mask.
struct FieldCode {
    std::size_t replyByte;
    unsigned shift;
    unsigned mask;
    Coding coding;
    std::size_t blockOffset;
};

constexpr FieldCode kFields[] = {
    {2, 0, 0xFF, Coding::Char, field::reduction},
    {3, 0, 0xFF, Coding::Char, field::typeface},
    {4, 0, 0x0F, Coding::Raw, field::msw1},
    {4, 4, 0x0F, Coding::Raw, field::msw1 + 1},
    {5, 0, 0x0F, Coding::Raw, field::msw2},
    {5, 4, 0x0F, Coding::Raw, field::msw2 + 1},
    {6, 0, 0x0F, Coding::Raw, field::msw3},
    {6, 4, 0x0F, Coding::Raw, field::msw3 + 1},
    {7, 0, 0x0F, Coding::Raw, field::msw4},
    {7, 4, 0x0F, Coding::Raw, field::msw4 + 1},
    {19, 0, 0xFF, Coding::Dec2, field::auto_return_time},
    {20, 0, 0x0F, Coding::Char, field::font1},
    {20, 4, 0x0F, Coding::Char, field::font2},
    {21, 0, 0x03, Coding::Char, field::kanji_table},
    {21, 6, 0x01, Coding::Char, field::quiet_print},
    {21, 7, 0x01, Coding::Char, field::postcard_mode},
    {22, 0, 0x7F, Coding::Dec2, field::centring_cut_sheet},
    {23, 0, 0xFF, Coding::Dec2, field::centring_front_tractor},
    {24, 0, 0xFF, Coding::Dec3, field::centring_rear_tractor},
    {25, 0, 0xFF, Coding::Dec2, field::format0 + short_record::paper_length},
    {26, 0, 0xFF, Coding::Position3, field::format0 + short_record::load_pos_front_tractor},
    {27, 0, 0xFF, Coding::Position3, field::format0 + short_record::load_pos_rear_tractor},
    {28, 0, 0xFF, Coding::Position3, field::format0 + short_record::load_pos_sheet_guide},
    {29, 0, 0xFF, Coding::Position3, field::format0 + short_record::load_pos_postcard},
    {30, 0, 0xFF, Coding::Dec2, field::format0 + short_record::cut_sheet_adjust},
    {31, 0, 0xFF, Coding::Char, field::sheet_guide_feed_time + 1},
    {32, 0, 0xFF, Coding::Dec2, field::format0 + short_record::front_tractor_adjust},
    {33, 0, 0xFF, Coding::Position3, field::format0 + short_record::load_pos_sheet_feeder},
    {34, 0, 0xFF, Coding::Dec2, field::aga_retry_time},
    {54, 0, 0xFF, Coding::Hex2, field::lf_pitch_front_tractor},
    {55, 0, 0xFF, Coding::Hex2, field::lf_pitch_rear_tractor},
    {60, 0, 0xFF, Coding::Dec2, field::paper_thickness},
    {61, 0, 0xFF, Coding::Hex2, field::print_pressure},
    {63, 0, 0xFF, Coding::Hex2, field::print_position},
    {65, 0, 0xFF, Coding::Hex2, field::lf_pitch_sheet_guide},
    {66, 0, 0xFF, Coding::Hex2, field::lf_pitch_sheet_feeder},
    {67, 0, 0xFF, Coding::Char, field::copy_power},
    {68, 0, 0xFF, Coding::Char, field::current_format},
};

// A format group of the reply: 11 bytes for one long record, the last one unused.
// The reply carries the sheet-feeder position after the two adjustments.
struct GroupCode {
    std::size_t groupByte;
    Coding coding;
    std::size_t recordOffset;
};

constexpr GroupCode kGroup[] = {
    {0, Coding::Dec2, long_record::paper_length},
    {1, Coding::Dec3, long_record::left_margin},
    {2, Coding::Dec3, long_record::right_margin},
    {3, Coding::Position3, long_record::load_pos_front_tractor},
    {4, Coding::Position3, long_record::load_pos_rear_tractor},
    {5, Coding::Position3, long_record::load_pos_sheet_guide},
    {6, Coding::Position3, long_record::load_pos_postcard},
    {7, Coding::Dec2, long_record::cut_sheet_adjust},
    {8, Coding::Dec2, long_record::front_tractor_adjust},
    {9, Coding::Position3, long_record::load_pos_sheet_feeder},
};

constexpr std::size_t kGroupSize = 11;
constexpr std::size_t kFirstGroupByte = 69;
constexpr std::size_t kLongRecords[] = {field::format1, field::format2, field::format3,
                                        field::format4};

// Formats `value` with `format` and stores the first `width` characters.
void PutFormatted(unsigned char* target, const char* format, int value, std::size_t width) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    for (std::size_t i = 0; i < width; ++i)
        target[i] = static_cast<unsigned char>(text[i]);
}

void Put(unsigned char* target, Coding coding, unsigned value) {
    int number = static_cast<int>(value);
    switch (coding) {
    case Coding::Raw:
        *target = static_cast<unsigned char>(value);
        break;
    case Coding::Char:
        *target = static_cast<unsigned char>(value + 48);
        break;
    case Coding::Dec2:
        PutFormatted(target, "%02d", number, 2);
        break;
    case Coding::Dec3:
        PutFormatted(target, "%03d", number, 3);
        break;
    case Coding::Position3:
        PutFormatted(target, "%03d", number - 9, 3);
        break;
    case Coding::Hex2:
        PutFormatted(target, "%02X", number, 2);
        break;
    }
}

} // namespace

void DecodeReply(const unsigned char* reply, unsigned char* block) {
    for (const FieldCode& f : kFields)
        Put(block + f.blockOffset, f.coding, (reply[f.replyByte] >> f.shift) & f.mask);
    for (std::size_t record = 0; record < 4; ++record) {
        const unsigned char* group = reply + kFirstGroupByte + record * kGroupSize;
        for (const GroupCode& g : kGroup)
            Put(block + kLongRecords[record] + g.recordOffset, g.coding, group[g.groupByte]);
    }
}

} // namespace printer
