#include "cli/RawSettings.h"

#include "cli/Messages.h"
#include "settings/Catalogue.h"
#include "settings/FactoryBlock.h"

#include <cstdio>

namespace cli {

namespace {

using settings::Field;
using settings::SettingsBlock;

// The upper four bits of both bytes of a memory-switch field, which no switch uses: raw
// only, usual when 0.
class HighBitsSetting : public Setting {
public:
    HighBitsSetting(const char* section, int page, std::string title)
        : Setting(section, "high_bits", page, kHighBitsLabel, std::move(title)),
          field(settings::kMswFields[page - settings::kMsw1Page]) {}

    std::optional<std::string> Word(const SettingsBlock&) const override { return std::nullopt; }
    std::string Shown(const SettingsBlock&) const override { return ""; }
    std::string Raw(const SettingsBlock& block) const override {
        unsigned char high[2] = {static_cast<unsigned char>(block.At(field, 0) & 0xF0),
                                 static_cast<unsigned char>(block.At(field, 1) & 0xF0)};
        return Hex(high, 2);
    }
    bool SetWord(const std::string&, SettingsBlock&) const override { return false; }
    bool SetRaw(const std::string& hex, SettingsBlock& block) const override {
        std::vector<unsigned char> high;
        if (!ParseHexBytes(hex, 2, high) || (high[0] & 0x0F) || (high[1] & 0x0F)) return false;
        for (std::size_t i = 0; i < 2; ++i)
            block.At(field, i) = static_cast<unsigned char>(high[i] | (block.At(field, i) & 0x0F));
        return true;
    }
    std::string Choices() const override { return kRawOnly; }
    bool IsUsual(const SettingsBlock& block) const override { return Raw(block) == "0000"; }

private:
    const Field field;
};

// A byte that no page edits: written only as its raw code, usual when it holds what the
// factory block holds there.
class ByteSetting : public Setting {
public:
    explicit ByteSetting(std::size_t offset)
        : Setting(kLayoutSection, Printed("byte_%03u", offset), kNoPage,
                  Printed(kByteLabelFormat, offset), kOtherBytesTitle),
          field{offset, 1} {}

    std::optional<std::string> Word(const SettingsBlock&) const override { return std::nullopt; }
    std::string Shown(const SettingsBlock&) const override { return ""; }
    std::string Raw(const SettingsBlock& block) const override {
        return Hex(block.bytes.data() + field.offset, 1);
    }
    bool SetWord(const std::string&, SettingsBlock&) const override { return false; }
    bool SetRaw(const std::string& hex, SettingsBlock& block) const override {
        unsigned value = 0;
        if (!ParseHexNumber(hex, 2, value)) return false;
        block.At(field) = static_cast<unsigned char>(value);
        return true;
    }
    std::string Choices() const override { return kRawOnly; }
    bool IsUsual(const SettingsBlock& block) const override {
        return block.At(field) == settings::FactoryBlock.At(field);
    }

private:
    static std::string Printed(const char* format, std::size_t offset) {
        char text[64];
        std::snprintf(text, sizeof text, format, static_cast<unsigned>(offset));
        return text;
    }
    const Field field;
};

} // namespace

std::string Hex(const unsigned char* bytes, std::size_t count) {
    std::string hex;
    for (std::size_t i = 0; i < count; ++i) {
        hex += kHexDigits[bytes[i] >> 4];
        hex += kHexDigits[bytes[i] & 0x0F];
    }
    return hex;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Exactly `digits` hexadecimal digits as a number; false for anything else.
bool ParseHexNumber(const std::string& hex, std::size_t digits, unsigned& value) {
    if (hex.size() != digits) return false;
    value = 0;
    for (char c : hex) {
        int digit = HexDigit(c);
        if (digit < 0) return false;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return true;
}

// Exactly 2 * count hexadecimal digits as bytes.
bool ParseHexBytes(const std::string& hex, std::size_t count, std::vector<unsigned char>& bytes) {
    if (hex.size() != 2 * count) return false;
    bytes.clear();
    for (std::size_t i = 0; i < count; ++i) {
        unsigned value = 0;
        if (!ParseHexNumber(hex.substr(2 * i, 2), 2, value)) return false;
        bytes.push_back(static_cast<unsigned char>(value));
    }
    return true;
}

std::unique_ptr<Setting> MakeHighBitsSetting(const char* section, int page, std::string title) {
    return std::make_unique<HighBitsSetting>(section, page, std::move(title));
}

std::unique_ptr<Setting> MakeByteSetting(std::size_t offset) {
    return std::make_unique<ByteSetting>(offset);
}

} // namespace cli
