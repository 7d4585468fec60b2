#include "installer/InstallRecord.h"

#include "installer/SetupInfo.h"
#include "text/Cp932.h"

#include <algorithm>

namespace installer {

namespace {

// Splits at backslashes and slashes that are characters of their own (the system takes
// either for a separator).
std::vector<std::string> Parts(const std::string& path) {
    std::vector<std::string> parts(1);
    for (cp932::Char c : cp932::Chars(path)) {
        if (c.Is('\\') || c.Is('/')) {
            parts.emplace_back();
        } else {
            parts.back().append(path, c.pos, c.length);
        }
    }
    return parts;
}

// Only dots and blanks: "..", ". ." and "..." all end up as "." or "..".
bool IsDotsOnly(const std::string& part) {
    return !part.empty() && part.find_first_not_of(". ") == std::string::npos;
}

// A part the system would read as something else: empty, only dots and blanks, or with
// a trailing dot or blank.
bool IsUnsafePart(const std::string& part) {
    if (part.empty() || IsDotsOnly(part)) return true;
    return part.back() == '.' || part.back() == ' ';
}

// A control character, a character the system reads as a path or drive separator or a
// wildcard, or a lead byte without a valid trail byte: the system may read such a pair
// as two characters, the second one a ":" or "/".
bool HasUnsafeByte(const std::string& path) {
    for (cp932::Char ch : cp932::Chars(path)) {
        unsigned char c = ch.first;
        if (cp932::IsLeadByte(c)) {
            bool paired =
                ch.length == 2 && cp932::IsTrailByte(static_cast<unsigned char>(path[ch.pos + 1]));
            if (!paired) return true;
            continue;
        }
        if (c < 0x20 || c == ':' || c == '/' || c == '*' || c == '?' || c == '"' || c == '<' ||
            c == '>' || c == '|') {
            return true;
        }
    }
    return false;
}

std::size_t Depth(const std::string& path) {
    return Parts(path).size();
}

// The record's first line.
std::string ProductLine(const std::string& product) {
    return "[" + product + "]\r\n";
}

} // namespace

bool IsSafeRelativePath(const std::string& relative) {
    if (relative.empty() || relative.size() > kFieldBytes || HasUnsafeByte(relative)) return false;
    for (const std::string& part : Parts(relative)) {
        if (IsUnsafePart(part)) return false;
    }
    return true;
}

bool StaysBelowFolder(const std::string& name) {
    bool named = false;
    for (const std::string& part : Parts(name)) {
        if (IsDotsOnly(part)) return false;
        named = named || !part.empty();
    }
    return named;
}

std::string FormatRecord(const std::string& product, const std::vector<std::string>& entries) {
    std::string text = ProductLine(product);
    for (const std::string& entry : entries)
        text += entry + "\r\n";
    return text;
}

bool ParseRecord(const std::string& text, const std::string& product,
                 std::vector<std::string>& entries) {
    entries.clear();
    std::vector<std::string> read;
    std::string head = ProductLine(product);
    if (text.compare(0, head.size(), head) != 0) return false;
    std::size_t start = head.size();
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 2;
        if (!IsSafeRelativePath(line)) return false;
        read.push_back(line);
    }
    entries = read;
    return true;
}

std::vector<std::string> UniquePaths(const std::vector<std::string>& entries) {
    std::vector<std::string> unique;
    for (const std::string& entry : entries) {
        bool seen = std::any_of(unique.begin(), unique.end(), [&](const std::string& other) {
            return cp932::EqualsNoCase(other, entry);
        });
        if (!seen) unique.push_back(entry);
    }
    return unique;
}

std::vector<std::string> RemovalOrder(const std::vector<std::string>& entries) {
    std::vector<std::string> order = UniquePaths(entries);
    std::stable_sort(order.begin(), order.end(), [](const std::string& a, const std::string& b) {
        return Depth(a) > Depth(b);
    });
    return order;
}

} // namespace installer
