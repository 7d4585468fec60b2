#include "text/Number.h"

#include <climits>

namespace number {

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
} // namespace

bool ParseInteger(const std::string& text, int& value) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    std::size_t digitsStart = pos;
    long long magnitude = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (pos == digitsStart) return false;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    if (pos != text.size()) return false;
    long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT_MAX) return false;
    value = static_cast<int>(signedValue);
    return true;
}

} // namespace number
