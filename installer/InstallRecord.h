#pragma once
// The install record TBSETUP.LST in the install folder, code page 932, CRLF lines: first
// the product's title in brackets ("[Varo Corvane K42 チューンボード]"), then one line
// per file or folder the installation created, its path relative to the install folder.
// The uninstaller removes only what the record lists (a listed folder only once it is
// empty), so a record can never name anything outside the install folder, and only a
// record that names this product counts: another product's record, or one written by
// hand, is no proof that its files came from this installation.
#include <string>
#include <vector>

namespace installer {

constexpr const char* kRecordName = "TBSETUP.LST";

// The record's text for `product` (the title): its line, then one line per entry.
std::string FormatRecord(const std::string& product, const std::vector<std::string>& entries);

// Reads the record of `product`. A first line that does not name exactly that product,
// or any later line that is not a plain relative path (empty, absolute, a drive or
// network path, a "." or ".." part or one the system would shorten to it, "/",
// wildcards, control characters or a lead byte without its trail byte) makes the whole
// record foreign: false, no entries.
bool ParseRecord(const std::string& text, const std::string& product,
                 std::vector<std::string>& entries);

// True when `relative` is a path the record may hold (the rule above, for one line).
bool IsSafeRelativePath(const std::string& relative);

// True when `name` joined below a folder names something inside it, as the Start-menu
// group joined below the Programs folder must: some part is named, and none (between
// backslashes or slashes) is only dots and blanks.
bool StaysBelowFolder(const std::string& name);

// Each path once (the first of those equal in any letter case), in their order.
std::vector<std::string> UniquePaths(const std::vector<std::string>& entries);

// The order of removal: deepest first (more parts before fewer, so a folder's contents
// come before the folder), record order otherwise, each path once (any letter case).
std::vector<std::string> RemovalOrder(const std::vector<std::string>& entries);

} // namespace installer
