#pragma once
// Decisions of the installer's run that need no window: the command-line dispatch, the
// install path checks, the progress arithmetic and the texts that embed user values.
#include <cstdint>
#include <string>
#include <vector>

namespace installer {

enum class RunSwitch { Uninstall, HandOff };

struct Dispatch {
    std::vector<RunSwitch> switches; // every "/u" or "/m" of the line, in order
    bool closeDialog = false;        // any "/" at all: the folder dialog closes as cancelled
};

// Scans the whole command line: at every "/" the next character decides ("u"/"U" an
// uninstall run, "m"/"M" a hand-off run, anything else nothing). A double-byte
// character is stepped over whole, so a trail byte 0x2F cannot count.
Dispatch ParseCommandLine(const std::string& line);

// What the system says about the chosen install path.
struct InstallTarget {
    std::string path;               // the path as typed
    std::string windowsFolder;      // GetWindowsDirectory
    std::string systemFolder;       // GetSystemDirectory
    std::string programFilesFolder; // the Program Files folder of this system
    std::string sourceFolder;       // the folder the files are copied from
    bool exists = false;            // the path names an existing folder
    bool empty = false;             // ... that holds nothing
    bool holdsRecord = false;       // ... that holds this product's own install record
};

// True when installing into `target` could mix the product with other data, so the
// path is refused: anything but a folder on a drive ("X:\..."), a drive root, the Windows or system
// folder, the Program Files folder itself, the source folder or a folder inside it (the copy would
// never end), or an existing non-empty folder without this product's install record. Compared
// without regard to case and to one trailing backslash.
bool IsRefusedInstallPath(const InstallTarget& target);

// True when the folder browser may accept a selection: its attributes could be read and
// it is a folder without the read-only, hidden, system, temporary, compressed or
// offline attribute, or its path contains "Program Files".
bool BrowserMayAccept(const std::string& path, bool attributesRead, std::uint32_t attributes);

// The bar of the progress window: a 16-bit range, scaled when there are more steps.
struct ProgressScale {
    std::uint32_t steps; // N + k, the steps of the whole run
    std::uint32_t range; // the bar's upper limit: min(steps, 65535)
};
ProgressScale ScaleFor(std::uint64_t steps);
// The bar position after `done` steps: done * range / steps, so it ends at range.
std::uint32_t PositionAfter(const ProgressScale& scale, std::uint32_t done);
// Whole per cent of a bar position, rounded down.
int PercentOf(std::uint32_t position, std::uint32_t range);

// `format` with its first "%s" (or "%d") replaced by `value` as plain text: a "%" in
// the value or anywhere else stays as it is.
std::string Substitute(const std::string& format, const std::string& value);
std::string Substitute(const std::string& format, long long value);

} // namespace installer
