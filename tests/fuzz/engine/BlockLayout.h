#pragma once
// Which bytes of a settings block are field characters. The rest (command header,
// separators, reserved bytes, byte 245, terminator and padding) no load, store or
// read-back may change.
#include "settings/SettingsBlock.h"

#include <array>
#include <cstddef>
#include <iterator>

namespace fuzz {

using settings::Field;
namespace field = settings::field;

template <std::size_t N> inline bool Covers(const Field (&fields)[N], std::size_t offset) {
    for (const Field& f : fields)
        if (offset >= f.offset && offset < f.offset + f.width) return true;
    return false;
}

// The numbers of a short and of a long format record; the rest are separators.
namespace sr = settings::short_record;
namespace lr = settings::long_record;
inline constexpr Field kShortRecordNumbers[] = {
    sr::paper_length,         sr::load_pos_front_tractor, sr::load_pos_rear_tractor,
    sr::load_pos_sheet_guide, sr::load_pos_sheet_feeder,  sr::load_pos_postcard,
    sr::cut_sheet_adjust,     sr::front_tractor_adjust};
inline constexpr Field kLongRecordNumbers[] = {
    lr::paper_length,           lr::left_margin,           lr::right_margin,
    lr::load_pos_front_tractor, lr::load_pos_rear_tractor, lr::load_pos_sheet_guide,
    lr::load_pos_sheet_feeder,  lr::load_pos_postcard,     lr::cut_sheet_adjust,
    lr::front_tractor_adjust};

inline bool CoversFieldCharacter(std::size_t offset) {
    static const Field kWritten[] = {field::msw1,
                                     field::msw2,
                                     field::msw3,
                                     field::msw4,
                                     field::font1,
                                     field::font2,
                                     field::kanji_table,
                                     field::quiet_print,
                                     field::postcard_mode,
                                     field::centring_cut_sheet,
                                     field::centring_front_tractor,
                                     field::centring_rear_tractor,
                                     field::typeface,
                                     field::reduction,
                                     field::paper_thickness,
                                     field::print_pressure,
                                     field::print_position,
                                     field::copy_power,
                                     field::current_format,
                                     field::auto_return_time,
                                     field::sheet_guide_feed_time_digit,
                                     field::aga_retry_time,
                                     field::lf_pitch_front_tractor,
                                     field::lf_pitch_rear_tractor,
                                     field::lf_pitch_sheet_guide,
                                     field::lf_pitch_sheet_feeder};
    if (Covers(kWritten, offset)) return true;
    // Inside a record only its numbers are written; its separators stay.
    for (std::size_t r = 0; r < settings::kFormatCount; ++r) {
        const Field& record = settings::kFormatFields[r];
        if (offset < record.offset || offset >= record.offset + record.width) continue;
        std::size_t inner = offset - record.offset;
        return r == 0 ? Covers(kShortRecordNumbers, inner) : Covers(kLongRecordNumbers, inner);
    }
    return false;
}

// True for a byte of a field's characters, false for the header, separators,
// reserved bytes, byte 245, terminator and padding.
inline bool IsFieldCharacter(std::size_t offset) {
    static const auto kTable = [] {
        std::array<bool, settings::kBlockSize> table{};
        for (std::size_t i = 0; i < table.size(); ++i)
            table[i] = CoversFieldCharacter(i);
        return table;
    }();
    return offset < kTable.size() && kTable[offset];
}

} // namespace fuzz
