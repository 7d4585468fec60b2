#pragma once
// The settings block: the 270-byte set-settings command of the printer, which is also the
// body of a settings file and the target of the read-back. Every field is addressed through
// the named constants below; no other code uses a raw offset.
#include <array>
#include <cstddef>
#include <string>

namespace settings {

constexpr std::size_t kBlockSize = 270;

// A run of bytes inside a block or a format record.
struct Field {
    std::size_t offset;
    std::size_t width;
};

// Block layout. Every offset not covered by a field holds the separator ",".
namespace field {
constexpr Field command_header{0, 4}; // 0x1C "o" "0" ","
constexpr Field msw1{4, 2};           // raw nibbles: switches 1-4, switches 5-8
constexpr Field msw2{7, 2};
constexpr Field msw3{10, 2};
constexpr Field msw4{13, 2};
constexpr Field font1{16, 1};
constexpr Field font2{18, 1};
constexpr Field kanji_table{20, 1};
constexpr Field quiet_print{22, 1};
constexpr Field postcard_mode{24, 1};
constexpr Field reserved_26{26, 1};
constexpr Field centring_cut_sheet{28, 2};
constexpr Field centring_front_tractor{31, 2};
constexpr Field centring_rear_tractor{34, 3};
constexpr Field format0{38, 29}; // short format record
constexpr Field reserved_67{67, 1};
constexpr Field typeface{69, 1};
constexpr Field reduction{71, 1};
constexpr Field paper_thickness{73, 2};
constexpr Field print_pressure{76, 2}; // signed hex
constexpr Field print_position{79, 2}; // signed hex
constexpr Field copy_power{82, 1};
constexpr Field current_format{84, 1};
constexpr Field format1{86, 37}; // long format records
constexpr Field reserved_123{123, 1};
constexpr Field format2{125, 37};
constexpr Field reserved_162{162, 1};
constexpr Field format3{164, 37};
constexpr Field reserved_201{201, 1};
constexpr Field format4{203, 37};
constexpr Field reserved_240{240, 1};
constexpr Field auto_return_time{242, 2};
constexpr Field sheet_guide_feed_time{245, 2};
constexpr Field sheet_guide_feed_time_unused{245, 1}; // never written
constexpr Field sheet_guide_feed_time_digit{246, 1};
constexpr Field aga_retry_time{248, 2};
constexpr Field lf_pitch_front_tractor{251, 2}; // signed hex
constexpr Field lf_pitch_rear_tractor{254, 2};
constexpr Field lf_pitch_sheet_guide{257, 2};
constexpr Field lf_pitch_sheet_feeder{260, 2};
constexpr Field terminator{262, 1}; // "."
constexpr Field padding{263, 7};    // 0x00
} // namespace field

// The bytes that no page reads or writes; they keep what the block received.
constexpr std::array<Field, 6> kReservedFields{field::reserved_26,  field::reserved_67,
                                               field::reserved_123, field::reserved_162,
                                               field::reserved_201, field::reserved_240};

// The memory-switch fields, indexed by switch number - 1.
constexpr std::array<Field, 4> kMswFields{field::msw1, field::msw2, field::msw3, field::msw4};

// The five format records, indexed by format number: 0 is short, 1 to 4 are long.
constexpr std::size_t kFormatCount = 5;
constexpr std::array<Field, kFormatCount> kFormatFields{
    field::format0, field::format1, field::format2, field::format3, field::format4};

// Layout inside a short format record (`format0`): no margins.
namespace short_record {
constexpr std::size_t size = 29;
constexpr Field paper_length{0, 2};
constexpr Field load_pos_front_tractor{3, 3};
constexpr Field load_pos_rear_tractor{7, 3};
constexpr Field load_pos_sheet_guide{11, 3};
constexpr Field load_pos_sheet_feeder{15, 3};
constexpr Field load_pos_postcard{19, 3};
constexpr Field cut_sheet_adjust{23, 2};
constexpr Field front_tractor_adjust{26, 2};
} // namespace short_record

// Layout inside a long format record (`format1`..`format4`).
namespace long_record {
constexpr std::size_t size = 37;
constexpr Field paper_length{0, 2};
constexpr Field left_margin{3, 3};
constexpr Field right_margin{7, 3};
constexpr Field load_pos_front_tractor{11, 3};
constexpr Field load_pos_rear_tractor{15, 3};
constexpr Field load_pos_sheet_guide{19, 3};
constexpr Field load_pos_sheet_feeder{23, 3};
constexpr Field load_pos_postcard{27, 3};
constexpr Field cut_sheet_adjust{31, 2};
constexpr Field front_tractor_adjust{34, 2};
} // namespace long_record

// A format record as the format dialog edits it, copied verbatim from and to the block.
using ShortRecord = std::array<unsigned char, short_record::size>;
using LongRecord = std::array<unsigned char, long_record::size>;

static_assert(field::format0.width == short_record::size, "short record width");
static_assert(field::format1.width == long_record::size, "long record width");
static_assert(field::padding.offset + field::padding.width == kBlockSize, "block size");

// Number from the characters of `f` by character arithmetic: each character counts as its
// code minus that of "0", without validation.
template <std::size_t N> int ReadNumber(const std::array<unsigned char, N>& bytes, Field f) {
    int value = 0;
    for (std::size_t i = 0; i < f.width; ++i)
        value = value * 10 + (bytes[f.offset + i] - '0');
    return value;
}

// Writes `value` as zero-padded decimal digits filling `f`. A value too wide keeps its low
// digits; a negative value writes zeros, so only digits are ever written.
template <std::size_t N> void WriteNumber(std::array<unsigned char, N>& bytes, Field f, int value) {
    unsigned remaining = value < 0 ? 0u : static_cast<unsigned>(value);
    for (std::size_t i = f.width; i > 0; --i) {
        bytes[f.offset + i - 1] = static_cast<unsigned char>('0' + remaining % 10);
        remaining /= 10;
    }
}

struct SettingsBlock {
    std::array<unsigned char, kBlockSize> bytes{};

    unsigned char& At(Field f, std::size_t index = 0) { return bytes[f.offset + index]; }
    unsigned char At(Field f, std::size_t index = 0) const { return bytes[f.offset + index]; }

    // The field's bytes as text.
    std::string Text(Field f) const;
    // Writes the first f.width characters of `text`; a shorter text writes only its own.
    void SetText(Field f, const std::string& text);

    // A one-character switch: "1" reads as 1, any other character as 0. Only 1 stores "1",
    // so a radio member of -1 (nothing selected yet) stores "0".
    int Flag(Field f) const { return At(f) == '1' ? 1 : 0; }
    void SetFlag(Field f, int value) { At(f) = value == 1 ? '1' : '0'; }

    int Number(Field f) const { return ReadNumber(bytes, f); }
    void SetNumber(Field f, int value) { WriteNumber(bytes, f, value); }
};

inline bool operator==(const SettingsBlock& a, const SettingsBlock& b) {
    return a.bytes == b.bytes;
}
inline bool operator!=(const SettingsBlock& a, const SettingsBlock& b) {
    return !(a == b);
}

// Signed two-character fields hold the 8-bit two's complement in hex capitals. The range
// gives the valid second characters: "0".."positiveMax" after "0", "negativeMin".."F"
// after "F".
struct SignedRange {
    unsigned char positiveMax;
    unsigned char negativeMin;
};
constexpr SignedRange kLfPitchRange{'5', 'B'};       // -5..+5
constexpr SignedRange kPrintPressureRange{'3', 'A'}; // -6..+3

// Reads a signed field into `value`. A second character outside the range is first
// replaced in the block ("0" after "0", "G" after "F"; both then read as 0). Returns false,
// leaving `value` alone, when the first character is neither "0" nor "F".
bool ReadSigned(SettingsBlock& block, Field f, SignedRange range, int& value);

// The values whose 8-bit two's complement starts with "0" or "F".
constexpr int kSignedFieldMin = -16;
constexpr int kSignedFieldMax = 15;

// Writes a signed value as the two hex capitals of its 8-bit two's complement: "F" and
// 71 + value for -6..-1, "0" and 48 + value for 0..9. A value outside kSignedFieldMin..
// kSignedFieldMax is clamped to it first, so only hex characters are ever written.
void WriteSigned(SettingsBlock& block, Field f, int value);

// How the pages show a signed value: "+3" when positive, "0", "-2".
std::string FormatSigned(int value);

// The signed rule for a page's text member: shows the field's value, or keeps `text` when
// the first character is neither "0" nor "F".
void LoadSignedText(SettingsBlock& block, Field f, SignedRange range, std::string& text);
// Stores the number in `text` (sign allowed, 0 when there is none).
void StoreSignedText(const std::string& text, SettingsBlock& block, Field f);

// Reads an optional sign and the decimal digits that follow, as the pages read the number
// in a control's text; 0 when there are none. Saturates instead of overflowing.
int ParseLeadingInt(const std::string& text);

} // namespace settings
