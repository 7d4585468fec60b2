#include "text/Cp932.h"

#include <cstring>

namespace cp932 {

bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool IsTrailByte(unsigned char c) {
    return c >= 0x40 && c <= 0xFC && c != 0x7F;
}

std::size_t CharLength(const std::string& text, std::size_t pos) {
    return pos + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[pos])) ? 2 : 1;
}

std::size_t FitLength(const std::string& text, std::size_t maxBytes) {
    for (Char c : Chars(text)) {
        if (c.pos + c.length > maxBytes) return c.pos;
    }
    return text.size();
}

std::string Truncate(const std::string& text, std::size_t maxBytes) {
    return text.substr(0, FitLength(text, maxBytes));
}

std::size_t FindLastBackslash(const std::string& path) {
    std::size_t found = std::string::npos;
    for (Char c : Chars(path)) {
        if (c.Is('\\')) found = c.pos;
    }
    return found;
}

std::string ReplaceChar(const std::string& text, char from, char to) {
    std::string result = text;
    for (Char c : Chars(text)) {
        if (c.Is(from)) result[c.pos] = to;
    }
    return result;
}

std::string UpperCase(const std::string& text) {
    std::string result = text;
    for (Char c : Chars(text)) {
        if (c.length == 1 && c.first >= 'a' && c.first <= 'z')
            result[c.pos] = static_cast<char>(c.first - 'a' + 'A');
    }
    return result;
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    return UpperCase(a) == UpperCase(b);
}

bool ContainsText(const std::string& text, const std::string& part) {
    for (std::size_t pos = 0; pos + part.size() <= text.size(); pos += CharLength(text, pos)) {
        if (text.compare(pos, part.size(), part) == 0) return true;
    }
    return false;
}

bool CopyBounded(char* buffer, std::size_t size, const std::string& text) {
    if (size == 0) return false;
    std::size_t length = FitLength(text, size - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return length == text.size();
}

} // namespace cp932
