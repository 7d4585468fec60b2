#include "settings/SettingsBlock.h"

#include <climits>
#include <cstdio>

namespace settings {

std::string SettingsBlock::Text(Field f) const {
    return std::string(bytes.begin() + f.offset, bytes.begin() + f.offset + f.width);
}

void SettingsBlock::SetText(Field f, const std::string& text) {
    for (std::size_t i = 0; i < f.width && i < text.size(); ++i)
        bytes[f.offset + i] = static_cast<unsigned char>(text[i]);
}

bool ReadSigned(SettingsBlock& block, Field f, SignedRange range, int& value) {
    unsigned char& second = block.At(f, 1);
    switch (block.At(f, 0)) {
    case '0':
        if (second < '0' || second > range.positiveMax) second = '0';
        value = second - '0';
        return true;
    case 'F':
        if (second < range.negativeMin || second > 'F') second = 'G';
        value = second - 'G';
        return true;
    default:
        return false;
    }
}

void WriteSigned(SettingsBlock& block, Field f, int value) {
    static const char kHex[] = "0123456789ABCDEF";
    if (value < kSignedFieldMin) value = kSignedFieldMin;
    if (value > kSignedFieldMax) value = kSignedFieldMax;
    block.At(f, 0) = value < 0 ? 'F' : '0';
    block.At(f, 1) = static_cast<unsigned char>(kHex[value & 0x0F]);
}

std::string FormatSigned(int value) {
    char text[16];
    std::snprintf(text, sizeof text, value > 0 ? "+%d" : "%d", value);
    return text;
}

void LoadSignedText(SettingsBlock& block, Field f, SignedRange range, std::string& text) {
    int value = 0;
    if (ReadSigned(block, f, range, value)) text = FormatSigned(value);
}

void StoreSignedText(const std::string& text, SettingsBlock& block, Field f) {
    WriteSigned(block, f, ParseLeadingInt(text));
}

int ParseLeadingInt(const std::string& text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    long long value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        if (value <= INT_MAX) value = value * 10 + (text[pos] - '0');
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

} // namespace settings
