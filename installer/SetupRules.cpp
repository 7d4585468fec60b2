#include "installer/SetupRules.h"

#include "text/Cp932.h"
#include "text/Path.h"

namespace installer {

namespace {

// Windows file attribute bits the browser rule looks at.
constexpr std::uint32_t kReadOnly = 0x1, kHidden = 0x2, kSystem = 0x4, kDirectory = 0x10,
                        kTemporary = 0x100, kCompressed = 0x800, kOffline = 0x1000;

// Upper-cased, without one trailing backslash (not the one of a root "C:\").
std::string Comparable(const std::string& path) {
    return path::WithoutTrailingBackslash(cp932::UpperCase(path));
}

bool SameFolder(const std::string& a, const std::string& b) {
    return !b.empty() && Comparable(a) == Comparable(b);
}

// `path` is `folder` or lies below it.
bool IsInside(const std::string& path, const std::string& folder) {
    if (folder.empty()) return false;
    std::string inner = Comparable(path), outer = Comparable(folder);
    if (inner == outer) return true;
    if (!path::EndsInBackslash(outer)) outer += '\\';
    return inner.compare(0, outer.size(), outer) == 0;
}

// "X:\" followed by a folder: a path on a local drive, not relative, not on the network.
bool IsOnDrive(const std::string& path) {
    char drive = path.empty() ? '\0' : path[0];
    bool letter = (drive >= 'A' && drive <= 'Z') || (drive >= 'a' && drive <= 'z');
    return letter && path.size() > 3 && path[1] == ':' && path[2] == '\\';
}

bool IsDriveRoot(const std::string& path) {
    bool drive = path.size() >= 2 && path[1] == ':';
    return drive && (path.size() == 2 || (path.size() == 3 && path[2] == '\\'));
}

std::size_t FindPlaceholder(const std::string& format, char kind) {
    for (std::size_t pos = 0; pos + 1 < format.size(); pos += cp932::CharLength(format, pos)) {
        if (format[pos] == '%' && format[pos + 1] == kind) return pos;
    }
    return std::string::npos;
}

std::string Replace(const std::string& format, char kind, const std::string& value) {
    std::size_t at = FindPlaceholder(format, kind);
    if (at == std::string::npos) return format;
    return format.substr(0, at) + value + format.substr(at + 2);
}

} // namespace

Dispatch ParseCommandLine(const std::string& line) {
    Dispatch dispatch;
    for (cp932::Char c : cp932::Chars(line)) {
        if (!c.Is('/')) continue;
        dispatch.closeDialog = true;
        char next = c.pos + 1 < line.size() ? line[c.pos + 1] : '\0';
        if (next == 'u' || next == 'U') dispatch.switches.push_back(RunSwitch::Uninstall);
        if (next == 'm' || next == 'M') dispatch.switches.push_back(RunSwitch::HandOff);
    }
    return dispatch;
}

bool IsRefusedInstallPath(const InstallTarget& target) {
    const std::string& path = target.path;
    if (IsDriveRoot(path) || !IsOnDrive(path)) return true;
    if (SameFolder(path, target.windowsFolder) || SameFolder(path, target.systemFolder) ||
        SameFolder(path, target.programFilesFolder) || IsInside(path, target.sourceFolder)) {
        return true;
    }
    return target.exists && !target.empty && !target.holdsRecord;
}

bool BrowserMayAccept(const std::string& path, bool attributesRead, std::uint32_t attributes) {
    if (!attributesRead) return false;
    if (cp932::ContainsText(path, "Program Files")) return true;
    constexpr std::uint32_t refused =
        kReadOnly | kHidden | kSystem | kTemporary | kCompressed | kOffline;
    return (attributes & kDirectory) && !(attributes & refused);
}

ProgressScale ScaleFor(std::uint64_t steps) {
    std::uint32_t total = steps > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<std::uint32_t>(steps);
    return {total, total > 65535u ? 65535u : total};
}

std::uint32_t PositionAfter(const ProgressScale& scale, std::uint32_t done) {
    if (scale.steps == 0) return 0;
    if (done > scale.steps) done = scale.steps;
    return static_cast<std::uint32_t>(std::uint64_t(done) * scale.range / scale.steps);
}

int PercentOf(std::uint32_t position, std::uint32_t range) {
    if (range == 0) return 0;
    return static_cast<int>(std::uint64_t(position) * 100 / range);
}

std::string Substitute(const std::string& format, const std::string& value) {
    return Replace(format, 's', value);
}

std::string Substitute(const std::string& format, long long value) {
    return Replace(format, 'd', std::to_string(value));
}

} // namespace installer
