#pragma once
// The install record TBSETUP.LST in the install folder: one line per file or folder the
// installation created, its path relative to the install folder, code page 932, CRLF.
// A folder's line ends in a backslash. The uninstaller removes only what the record
// lists, so a record can never name anything outside the install folder.
#include <string>
#include <vector>

namespace installer {

constexpr const char* kRecordName = "TBSETUP.LST";

struct RecordEntry {
    std::string path; // relative to the install folder, no trailing backslash
    bool folder = false;
};

// The record's text, one CRLF-terminated line per entry.
std::string FormatRecord(const std::vector<RecordEntry>& entries);

// Reads a record. Any line that is not a plain relative path (empty, absolute, a drive
// or network path, a "." or ".." part or one the system would shorten to it, "/",
// wildcards or control characters) makes the whole record unusable: false, no entries.
bool ParseRecord(const std::string& text, std::vector<RecordEntry>& entries);

// True when `relative` is a path the record may hold (the rule above, for one line).
bool IsSafeRelativePath(const std::string& relative);

// The order of removal: every file first, in record order, then the folders deepest
// first (more parts before fewer), each listed once.
std::vector<RecordEntry> RemovalOrder(const std::vector<RecordEntry>& entries);

} // namespace installer
