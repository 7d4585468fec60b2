#include "text/Cp932.h"

#include <cstring>

namespace cp932 {

bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool IsTrailByte(unsigned char c) {
    return c >= 0x40 && c <= 0xFC && c != 0x7F;
}

std::size_t FitLength(const std::string& text, std::size_t maxBytes) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t step = IsLeadByte(static_cast<unsigned char>(text[pos])) ? 2 : 1;
        if (pos + step > text.size()) step = 1; // a dangling lead byte counts alone
        if (pos + step > maxBytes) break;
        pos += step;
    }
    return pos;
}

std::string Truncate(const std::string& text, std::size_t maxBytes) {
    return text.substr(0, FitLength(text, maxBytes));
}

std::size_t FindLastBackslash(const std::string& path) {
    std::size_t found = std::string::npos;
    for (std::size_t pos = 0; pos < path.size();) {
        unsigned char c = static_cast<unsigned char>(path[pos]);
        if (c == '\\') found = pos;
        pos += (IsLeadByte(c) && pos + 1 < path.size()) ? 2 : 1;
    }
    return found;
}

std::string ReplaceChar(const std::string& text, char from, char to) {
    std::string result = text;
    for (std::size_t pos = 0; pos < result.size();) {
        unsigned char c = static_cast<unsigned char>(result[pos]);
        if (IsLeadByte(c) && pos + 1 < result.size()) {
            pos += 2;
            continue;
        }
        if (result[pos] == from) result[pos] = to;
        ++pos;
    }
    return result;
}

bool CopyBounded(char* buffer, std::size_t size, const std::string& text) {
    if (size == 0) return false;
    std::size_t length = FitLength(text, size - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return length == text.size();
}

} // namespace cp932
