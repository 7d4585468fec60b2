#include "printer/ReplyDecoder.h"

#include "settings/SettingsBlock.h"

#include <cstdio>

namespace printer {
namespace {

using namespace settings;

// How one reply value becomes the characters of its field (the field's width).
enum class Coding {
    Raw,      // the value itself as one byte
    Char,     // one character: value + 48
    Decimal,  // zero-padded decimal, cut to the field's width
    Position, // load position: value - 9, then as Decimal
    Hex,      // zero-padded hex capitals
};

// One block field filled from bits of one reply byte: (byte >> shift) & mask. `index`
// picks one character of the field for the one-character codings.
struct FieldCode {
    std::size_t replyByte;
    unsigned shift;
    unsigned mask;
    Coding coding;
    Field target;
    std::size_t index;
};

// The fields of the short record `format0`, by their place inside the block.
constexpr Field InFormat0(Field inner) {
    return {field::format0.offset + inner.offset, inner.width};
}

constexpr FieldCode kFields[] = {
    {2, 0, 0xFF, Coding::Char, field::reduction, 0},
    {3, 0, 0xFF, Coding::Char, field::typeface, 0},
    {4, 0, 0x0F, Coding::Raw, field::msw1, 0},
    {4, 4, 0x0F, Coding::Raw, field::msw1, 1},
    {5, 0, 0x0F, Coding::Raw, field::msw2, 0},
    {5, 4, 0x0F, Coding::Raw, field::msw2, 1},
    {6, 0, 0x0F, Coding::Raw, field::msw3, 0},
    {6, 4, 0x0F, Coding::Raw, field::msw3, 1},
    {7, 0, 0x0F, Coding::Raw, field::msw4, 0},
    {7, 4, 0x0F, Coding::Raw, field::msw4, 1},
    {19, 0, 0xFF, Coding::Decimal, field::auto_return_time, 0},
    {20, 0, 0x0F, Coding::Char, field::font1, 0},
    {20, 4, 0x0F, Coding::Char, field::font2, 0},
    {21, 0, 0x03, Coding::Char, field::kanji_table, 0},
    {21, 6, 0x01, Coding::Char, field::quiet_print, 0},
    {21, 7, 0x01, Coding::Char, field::postcard_mode, 0},
    {22, 0, 0x7F, Coding::Decimal, field::centring_cut_sheet, 0},
    {23, 0, 0xFF, Coding::Decimal, field::centring_front_tractor, 0},
    {24, 0, 0xFF, Coding::Decimal, field::centring_rear_tractor, 0},
    {25, 0, 0xFF, Coding::Decimal, InFormat0(short_record::paper_length), 0},
    {26, 0, 0xFF, Coding::Position, InFormat0(short_record::load_pos_front_tractor), 0},
    {27, 0, 0xFF, Coding::Position, InFormat0(short_record::load_pos_rear_tractor), 0},
    {28, 0, 0xFF, Coding::Position, InFormat0(short_record::load_pos_sheet_guide), 0},
    {29, 0, 0xFF, Coding::Position, InFormat0(short_record::load_pos_postcard), 0},
    {30, 0, 0xFF, Coding::Decimal, InFormat0(short_record::cut_sheet_adjust), 0},
    {31, 0, 0xFF, Coding::Char, field::sheet_guide_feed_time_digit, 0},
    {32, 0, 0xFF, Coding::Decimal, InFormat0(short_record::front_tractor_adjust), 0},
    {33, 0, 0xFF, Coding::Position, InFormat0(short_record::load_pos_sheet_feeder), 0},
    {34, 0, 0xFF, Coding::Decimal, field::aga_retry_time, 0},
    {54, 0, 0xFF, Coding::Hex, field::lf_pitch_front_tractor, 0},
    {55, 0, 0xFF, Coding::Hex, field::lf_pitch_rear_tractor, 0},
    {60, 0, 0xFF, Coding::Decimal, field::paper_thickness, 0},
    {61, 0, 0xFF, Coding::Hex, field::print_pressure, 0},
    {63, 0, 0xFF, Coding::Hex, field::print_position, 0},
    {65, 0, 0xFF, Coding::Hex, field::lf_pitch_sheet_guide, 0},
    {66, 0, 0xFF, Coding::Hex, field::lf_pitch_sheet_feeder, 0},
    {67, 0, 0xFF, Coding::Char, field::copy_power, 0},
    {68, 0, 0xFF, Coding::Char, field::current_format, 0},
};

// A format group of the reply: 11 bytes for one long record, the last one unused.
// The reply carries the sheet-feeder position after the two adjustments.
struct GroupCode {
    std::size_t groupByte;
    Coding coding;
    Field inRecord;
};

constexpr GroupCode kGroup[] = {
    {0, Coding::Decimal, long_record::paper_length},
    {1, Coding::Decimal, long_record::left_margin},
    {2, Coding::Decimal, long_record::right_margin},
    {3, Coding::Position, long_record::load_pos_front_tractor},
    {4, Coding::Position, long_record::load_pos_rear_tractor},
    {5, Coding::Position, long_record::load_pos_sheet_guide},
    {6, Coding::Position, long_record::load_pos_postcard},
    {7, Coding::Decimal, long_record::cut_sheet_adjust},
    {8, Coding::Decimal, long_record::front_tractor_adjust},
    {9, Coding::Position, long_record::load_pos_sheet_feeder},
};

constexpr std::size_t kGroupSize = 11;
constexpr std::size_t kFirstGroupByte = 69;

// Formats `value` zero-padded to the field's width and stores that many characters
// (a wider number keeps its leading ones).
void PutFormatted(unsigned char* target, const char* format, int value, std::size_t width) {
    char text[16];
    std::snprintf(text, sizeof text, format, static_cast<int>(width), value);
    for (std::size_t i = 0; i < width; ++i)
        target[i] = static_cast<unsigned char>(text[i]);
}

// Writes `value` into the field that starts at `target`.
void Put(unsigned char* target, Field f, std::size_t index, Coding coding, unsigned value) {
    int number = static_cast<int>(value);
    switch (coding) {
    case Coding::Raw:
        target[index] = static_cast<unsigned char>(value);
        break;
    case Coding::Char:
        target[index] = static_cast<unsigned char>(value + 48);
        break;
    case Coding::Decimal:
        PutFormatted(target, "%0*d", number, f.width);
        break;
    case Coding::Position:
        PutFormatted(target, "%0*d", number - 9, f.width);
        break;
    case Coding::Hex:
        PutFormatted(target, "%0*X", number, f.width);
        break;
    }
}

} // namespace

bool DecodeReply(const unsigned char* reply, std::size_t size, SettingsBlock& settings) {
    if (reply == nullptr || size != kReplySize) return false;
    unsigned char* block = settings.bytes.data();
    for (const FieldCode& f : kFields) {
        unsigned value = (reply[f.replyByte] >> f.shift) & f.mask;
        Put(block + f.target.offset, f.target, f.index, f.coding, value);
    }
    // Long records 1 to 4 follow the short one.
    for (std::size_t record = 1; record < kFormatCount; ++record) {
        const unsigned char* group = reply + kFirstGroupByte + (record - 1) * kGroupSize;
        unsigned char* target = block + kFormatFields[record].offset;
        for (const GroupCode& g : kGroup)
            Put(target + g.inRecord.offset, g.inRecord, 0, g.coding, group[g.groupByte]);
    }
    return true;
}

} // namespace printer
