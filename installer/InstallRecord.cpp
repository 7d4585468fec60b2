#include "installer/InstallRecord.h"

#include "installer/SetupInfo.h"
#include "installer/SetupPaths.h"
#include "text/Cp932.h"

#include <algorithm>

namespace installer {

namespace {

// Splits at backslashes that are characters of their own.
std::vector<std::string> Parts(const std::string& path) {
    std::vector<std::string> parts(1);
    for (std::size_t pos = 0; pos < path.size();) {
        unsigned char c = static_cast<unsigned char>(path[pos]);
        std::size_t step = (cp932::IsLeadByte(c) && pos + 1 < path.size()) ? 2 : 1;
        if (step == 1 && c == '\\') {
            parts.emplace_back();
        } else {
            parts.back().append(path, pos, step);
        }
        pos += step;
    }
    return parts;
}

// A part the system would read as something else: empty, only dots and blanks ("..",
// ". ." and "..." all end up as "." or ".."), or with a trailing dot or blank.
bool IsUnsafePart(const std::string& part) {
    if (part.empty()) return true;
    if (part.find_first_not_of(". ") == std::string::npos) return true;
    return part.back() == '.' || part.back() == ' ';
}

bool HasUnsafeByte(const std::string& path) {
    for (std::size_t pos = 0; pos < path.size();) {
        unsigned char c = static_cast<unsigned char>(path[pos]);
        if (cp932::IsLeadByte(c) && pos + 1 < path.size()) {
            pos += 2;
            continue;
        }
        if (c < 0x20 || c == ':' || c == '/' || c == '*' || c == '?' || c == '"' || c == '<' ||
            c == '>' || c == '|') {
            return true;
        }
        ++pos;
    }
    return false;
}

std::size_t Depth(const std::string& path) {
    return Parts(path).size();
}

} // namespace

bool IsSafeRelativePath(const std::string& relative) {
    if (relative.empty() || relative.size() > kFieldBytes || HasUnsafeByte(relative))
        return false;
    for (const std::string& part : Parts(relative)) {
        if (IsUnsafePart(part)) return false;
    }
    return true;
}

std::string FormatRecord(const std::vector<RecordEntry>& entries) {
    std::string text;
    for (const RecordEntry& entry : entries) {
        text += entry.path;
        if (entry.folder) text += '\\';
        text += "\r\n";
    }
    return text;
}

bool ParseRecord(const std::string& text, std::vector<RecordEntry>& entries) {
    entries.clear();
    std::vector<RecordEntry> read;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 2;
        RecordEntry entry;
        if (EndsInBackslash(line)) {
            line.pop_back();
            entry.folder = true;
        }
        if (!IsSafeRelativePath(line)) return false;
        entry.path = line;
        read.push_back(entry);
    }
    entries = read;
    return true;
}

std::vector<RecordEntry> RemovalOrder(const std::vector<RecordEntry>& entries) {
    std::vector<RecordEntry> files, folders;
    for (const RecordEntry& entry : entries) {
        std::vector<RecordEntry>& list = entry.folder ? folders : files;
        bool seen = std::any_of(list.begin(), list.end(), [&](const RecordEntry& other) {
            return EqualsNoCase(other.path, entry.path);
        });
        if (!seen) list.push_back(entry);
    }
    std::stable_sort(folders.begin(), folders.end(), [](const RecordEntry& a, const RecordEntry& b) {
        return Depth(a.path) > Depth(b.path);
    });
    files.insert(files.end(), folders.begin(), folders.end());
    return files;
}

} // namespace installer
