#pragma once
// The setup information file TBSetup.ini (section "SetupInformation") and the setup
// record read from it once per run. The reading order and the failure rule live here;
// the system's profile reader is behind ProfileReader.
#include <cstdint>
#include <string>

namespace installer {

// Longest text a field takes: the system's path limit less the terminator.
constexpr std::size_t kFieldBytes = 259;

struct SetupRecord {
    std::string uninstallKey;      // SOFTWARE\...\Uninstall\<INSTALL_FOLDER>
    std::string programFile;       // TB_FILE
    std::string installFolderName; // INSTALL_FOLDER
    std::string printerName;       // PRINTER_NAME
    std::string title;             // TITLE_NAME
    std::string sourceFolder;      // DISK_PATH
    std::string helpFile;          // HELP_FILE1 or HELP_FILE2
    std::uint64_t requiredMegabytes = 0;
};

// Reads one key of the section as text: blanks and quotes already removed, empty when
// the key or the file is missing, at most kFieldBytes bytes cut on a character boundary.
class ProfileReader {
public:
    virtual ~ProfileReader() = default;
    virtual std::string ReadText(const char* key) const = 0;
};

// The system's version numbers decide which help key is read.
struct WindowsVersion {
    unsigned major = 0;
    unsigned minor = 0;
};

// Reads the keys in their fixed order and stops at the first failure (DISK not a
// positive number, a text key empty). Fields read before a failure keep what was read,
// so `record.title` is the caption of the failure message. Reading twice gives the
// same record.
bool ReadSetupInformation(const ProfileReader& reader, const WindowsVersion& version,
                          SetupRecord& record);

// The help key of this version: "HELP_FILE1" on 4.0 (Windows 95, NT 4.0), else "HELP_FILE2".
const char* HelpKeyFor(const WindowsVersion& version);

// The uninstall key under HKEY_LOCAL_MACHINE for an install folder name.
std::string UninstallKeyPath(const std::string& installFolderName);

// DISK as megabytes: leading blanks, then digits, as the system's profile reader reads
// whole numbers ("12abc" is 12). A sign, no digit at all, or more than 32 bits gives 0,
// which the caller refuses.
std::uint64_t ParseDiskMegabytes(const std::string& text);

// The setup information file of a program path: its last three characters ("exe")
// replaced by "ini", so setup.exe reads setup.ini. Empty for a path shorter than that.
std::string SetupInfoPathOf(const std::string& programPath);

} // namespace installer
