#pragma once
// The catalogue of the settings: one row per setting of the six pages and the format
// records, with its page, its field or switch bit, its kind, its label and control ids, its
// list with the codes and the fallback, its range and its edit rule. The pages' load and
// store rules, their control tables and the command line's settings all derive from it.
#include "settings/EditRules.h"
#include "settings/FormatRecord.h"
#include "settings/SettingTexts.h"
#include "settings/SettingsBlock.h"
#include "settings/ValueRanges.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace settings {

// The pages in tab order (kPageTitles).
enum Page : int { kSelectPage, kParamPage, kMsw1Page, kMsw2Page, kMsw3Page, kMsw4Page };

constexpr int kMswCount = 4;
constexpr int kSwitchCount = 8;

enum class Kind {
    List,     // a drop-down list; the field's number (character arithmetic) is an item's code
    Position, // a drop-down list of signed-hex codes, shown only after "0" or "F"
    Signed,   // a drop-down list of signed values in hex, within a SignedRange
    Radio,    // a one-character flag edited by two radio buttons: "1" is the second
    Number,   // a number edit with its up-down control
    Switch,   // one memory-switch bit: two radio buttons, a check box or no control
    Country,  // switches 1-3 of MSW1 together, edited by the country list
    Record,   // a number of the format records, edited in the format dialog
};

enum class SwitchControl { None, Radio, Check };

// A list's items and codes. A code not listed shows as the fallback item; a text not
// listed stores the fallback's code, or leaves the field when `keepUnknown`.
struct ListRule {
    const char* const* texts = nullptr;
    const int* codes = nullptr; // null: an item's code is its index
    int count = 0;
    int fallback = 0;
    bool keepUnknown = false;

    int CodeOf(int index) const { return codes ? codes[index] : index; }
    int IndexOfCode(int code) const;                // -1 for a code not listed
    int IndexOfText(const std::string& text) const; // -1 for a text not listed
};

// A list coded by its item indexes, or by `codes`, one for each item.
template <std::size_t N> constexpr ListRule ListOf(const TextList<N>& texts, int fallback = 0) {
    return {texts.data(), nullptr, static_cast<int>(N), fallback, false};
}
template <std::size_t N>
constexpr ListRule ListOf(const TextList<N>& texts, const std::array<int, N>& codes,
                          int fallback = 0, bool keepUnknown = false) {
    return {texts.data(), codes.data(), static_cast<int>(N), fallback, keepUnknown};
}

struct Row {
    int page;
    const char* key; // the setting's name in the command line's text form
    Kind kind;
    Field field;               // in the block; Record: in a long record
    const char* group;         // the caption of its group on the page, or null
    const char* label;         // its control's label; null for a switch without a control
    const char* unit;          // after its value in text, or null
    int id = 0;                // the list, the first radio button, the edit or the check box
    int secondId = 0;          // the second radio button, or the edit's up-down control
    ListRule list{};           // List, Position, Signed, Country
    SignedRange signedRange{}; // Signed
    ValueRange range{};        // Number, Record: the values the page accepts
    int fallback = 0;          // Number: shown for a value outside the range
    EditRule rule{};           // Number, Record
    // Radio, Switch: the texts of the two radio buttons.
    const char* off = nullptr;
    const char* on = nullptr;
    int bit = 0; // Switch, Country: the first switch number - 1
    SwitchControl control = SwitchControl::None;
    Field shortField{};                  // Record: in the short record
    int slider = 0;                      // Record: the load position's slider, 0 for none
    int path = -1;                       // Record: the paper path of a load position, -1 for none
    int FormatFields::*number = nullptr; // Record: the member that holds it, but a load position
    int taken = 0; // Record: its place in the order the format dialog's OK takes the edits
};

// Every row, in the order of the command line's text form: the function-selection page,
// the format records, the parameter page, the memory-switch pages.
const std::vector<Row>& Catalogue();

// The rows of one page, or the format records' rows (page kSelectPage, kind Record).
std::vector<const Row*> RowsOf(int page, Kind kind);
std::vector<const Row*> PageRows(int page); // every row of `page` but the records

// The rules the pages load a setting with. `block` may be rewritten as the page rewrites it
// (signed fields). A page that keeps what it showed gives nothing.
std::optional<std::string> LoadText(const Row& row, SettingsBlock& block);
int LoadNumber(const Row& row, const SettingsBlock& block); // Radio, Number, Switch
// The rules the pages store a setting with.
void StoreText(const Row& row, const std::string& text, SettingsBlock& block);
void StoreNumber(const Row& row, int value, SettingsBlock& block);

// The eight switch bits of a memory-switch field: bits 0-3 of its first byte are switches
// 1-4, bits 0-3 of its second byte switches 5-8; the upper bits are not switches.
unsigned SwitchBits(const SettingsBlock& block, Field f);
// Writes the bits of `mask`, keeping the others and the upper bits.
void SetSwitchBits(SettingsBlock& block, Field f, unsigned mask, unsigned bits);
constexpr unsigned kCountryMask = 0x07;

// The row of `page` named `key`; the first row of the catalogue for a name not there.
const Row& FindRow(int page, const char* key);

// Which member of a page's values holds which setting (by its key): a text for a list,
// with the longest text taken from its control in CP932 bytes, or a number for a radio
// pair or an edit.
template <class Values> struct MemberOf {
    const char* key;
    std::string Values::*text;
    int Values::*number;
    std::size_t limit = 0;
};

// The page's load and store rules: its members in turn, each by its row.
template <class Values, std::size_t N>
void LoadMembers(int page, const std::array<MemberOf<Values>, N>& members, SettingsBlock& block,
                 Values& values) {
    for (const MemberOf<Values>& member : members) {
        const Row& row = FindRow(page, member.key);
        if (!member.text) values.*member.number = LoadNumber(row, block);
        if (!member.text) continue;
        std::optional<std::string> text = LoadText(row, block);
        if (text) values.*member.text = *text;
    }
}

template <class Values, std::size_t N>
void StoreMembers(int page, const std::array<MemberOf<Values>, N>& members, const Values& values,
                  SettingsBlock& block) {
    for (const MemberOf<Values>& member : members) {
        const Row& row = FindRow(page, member.key);
        if (member.text) StoreText(row, values.*member.text, block);
        if (!member.text) StoreNumber(row, values.*member.number, block);
    }
}

// The field of a record's number in a record of `formatNumber` (0 short); width 0 when
// that record has none.
Field RecordField(const Row& row, int formatNumber);

// The format dialog's rule between a long record's margins: the right one beyond the left.
constexpr int LeastRightMargin(int leftMargin) {
    return leftMargin + 1;
}

// The record's numbers in the order the format dialog's OK takes them.
std::vector<const Row*> RecordRowsAsTaken();

// The margins, which only the long records have, are checked for their order at OK
// rather than for their ranges.
inline bool IsMargin(const Row& row) {
    return row.kind == Kind::Record && row.shortField.width == 0;
}

// The row of the record's number that `number` holds.
const Row& RecordRow(int FormatFields::*number);

// The member of `fields` that holds a record's number.
int& NumberOf(FormatFields& fields, const Row& row);
inline int NumberOf(const FormatFields& fields, const Row& row) {
    return NumberOf(const_cast<FormatFields&>(fields), row);
}

} // namespace settings
