#include "settings/Catalogue.h"

#include <algorithm>

// The rules of the catalogue's rows: how the pages load and store each kind of setting.
namespace settings {
namespace {

// The signed-hex code of `value` ("FD" for -3), as WriteSigned writes it.
std::string SignedCode(int value) {
    SettingsBlock scratch;
    WriteSigned(scratch, {0, 2}, value);
    return scratch.Text({0, 2});
}

} // namespace

int ListRule::IndexOfCode(int code) const {
    for (int i = 0; i < count; ++i)
        if (CodeOf(i) == code) return i;
    return -1;
}

int ListRule::IndexOfText(const std::string& text) const {
    for (int i = 0; i < count; ++i)
        if (text == texts[i]) return i;
    return -1;
}

std::vector<const Row*> RowsOf(int page, Kind kind) {
    std::vector<const Row*> rows;
    for (const Row& row : Catalogue())
        if (row.page == page && row.kind == kind) rows.push_back(&row);
    return rows;
}

std::vector<const Row*> PageRows(int page) {
    std::vector<const Row*> rows;
    for (const Row& row : Catalogue())
        if (row.page == page && row.kind != Kind::Record) rows.push_back(&row);
    return rows;
}

const Row& FindRow(int page, const char* key) {
    for (const Row& row : Catalogue())
        if (row.page == page && row.key && std::string(row.key) == key) return row;
    return Catalogue().front();
}

unsigned SwitchBits(const SettingsBlock& block, Field f) {
    return (block.At(f, 0) & 0x0Fu) | (block.At(f, 1) & 0x0Fu) << 4;
}

void SetSwitchBits(SettingsBlock& block, Field f, unsigned mask, unsigned bits) {
    unsigned value = (SwitchBits(block, f) & ~mask) | (bits & mask);
    block.At(f, 0) = static_cast<unsigned char>((block.At(f, 0) & 0xF0) | (value & 0x0F));
    block.At(f, 1) = static_cast<unsigned char>((block.At(f, 1) & 0xF0) | (value >> 4 & 0x0F));
}

std::optional<std::string> LoadText(const Row& row, SettingsBlock& block) {
    const ListRule& list = row.list;
    switch (row.kind) {
    case Kind::List: {
        int index = list.IndexOfCode(block.Number(row.field));
        return list.texts[index < 0 ? list.fallback : index];
    }
    case Kind::Country: {
        int index = list.IndexOfCode(static_cast<int>(SwitchBits(block, row.field) & kCountryMask));
        return list.texts[index < 0 ? list.fallback : index];
    }
    case Kind::Position: {
        unsigned char first = block.At(row.field);
        if (first != '0' && first != 'F') return std::nullopt;
        for (int i = 0; i < list.count; ++i)
            if (SignedCode(list.CodeOf(i)) == block.Text(row.field)) return list.texts[i];
        return list.texts[list.fallback];
    }
    case Kind::Signed: {
        int value = 0;
        if (!ReadSigned(block, row.field, row.signedRange, value)) return std::nullopt;
        return FormatSigned(value);
    }
    default:
        return std::nullopt;
    }
}

int LoadNumber(const Row& row, const SettingsBlock& block) {
    switch (row.kind) {
    case Kind::Radio:
        return block.Flag(row.field);
    case Kind::Switch:
        return static_cast<int>(SwitchBits(block, row.field) >> row.bit & 1u);
    case Kind::Number: {
        int value = block.Number(row.field);
        return value >= row.range.min && value <= row.range.max ? value : row.fallback;
    }
    default:
        return 0;
    }
}

void StoreText(const Row& row, const std::string& text, SettingsBlock& block) {
    const ListRule& list = row.list;
    int index = list.IndexOfText(text);
    if (row.kind == Kind::Signed) {
        StoreSignedText(text, block, row.field);
        return;
    }
    if (index < 0 && list.keepUnknown) return;
    int code = list.CodeOf(index < 0 ? list.fallback : index);
    if (row.kind == Kind::List) block.SetNumber(row.field, code);
    if (row.kind == Kind::Position) WriteSigned(block, row.field, code);
    if (row.kind == Kind::Country)
        SetSwitchBits(block, row.field, kCountryMask, static_cast<unsigned>(code));
}

void StoreNumber(const Row& row, int value, SettingsBlock& block) {
    if (row.kind == Kind::Radio) block.SetFlag(row.field, value);
    if (row.kind == Kind::Number) block.SetNumber(row.field, value);
    if (row.kind == Kind::Switch)
        SetSwitchBits(block, row.field, 1u << row.bit, value == 1 ? 1u << row.bit : 0u);
}

std::vector<const Row*> RecordRowsAsTaken() {
    std::vector<const Row*> rows = RowsOf(kSelectPage, Kind::Record);
    std::sort(rows.begin(), rows.end(),
              [](const Row* a, const Row* b) { return a->taken < b->taken; });
    return rows;
}

const Row& RecordRow(int FormatFields::*number) {
    for (const Row& row : Catalogue())
        if (row.kind == Kind::Record && row.number == number) return row;
    return Catalogue().front();
}

int& NumberOf(FormatFields& fields, const Row& row) {
    return row.path >= 0 ? fields.loadPosition[row.path] : fields.*row.number;
}

Field RecordField(const Row& row, int formatNumber) {
    return formatNumber == 0 ? row.shortField : row.field;
}

} // namespace settings
