#pragma once
// The settings that are written only as raw codes (the bytes no page edits, the upper bits
// of the memory-switch fields) and the hexadecimal codec of all raw codes.
#include "cli/Settings.h"

#include <memory>
#include <string>
#include <vector>

namespace cli {

inline constexpr char kHexDigits[] = "0123456789ABCDEF";

// The bytes as hexadecimal capitals.
std::string Hex(const unsigned char* bytes, std::size_t count);
int HexDigit(char c);
// Exactly `digits` hexadecimal digits as a number; false for anything else.
bool ParseHexNumber(const std::string& hex, std::size_t digits, unsigned& value);
// Exactly 2 * count hexadecimal digits as bytes.
bool ParseHexBytes(const std::string& hex, std::size_t count, std::vector<unsigned char>& bytes);

// The upper four bits of both bytes of the memory-switch field of `page`.
std::unique_ptr<Setting> MakeHighBitsSetting(const char* section, int page, std::string title);
// A byte that no page edits.
std::unique_ptr<Setting> MakeByteSetting(std::size_t offset);

} // namespace cli
