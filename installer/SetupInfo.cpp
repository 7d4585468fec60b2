#include "installer/SetupInfo.h"

namespace installer {

namespace {

bool ReadField(const ProfileReader& reader, const char* key, std::string& field) {
    field = reader.ReadText(key);
    return !field.empty();
}

} // namespace

const char* HelpKeyFor(const WindowsVersion& version) {
    return version.major == 4 && version.minor == 0 ? "HELP_FILE1" : "HELP_FILE2";
}

std::string UninstallKeyPath(const std::string& installFolderName) {
    return "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + installFolderName;
}

std::uint64_t ParseDiskMegabytes(const std::string& text) {
    std::size_t pos = text.find_first_not_of(" \t");
    if (pos == std::string::npos) return 0;
    std::uint64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = value * 10 + static_cast<unsigned>(text[pos] - '0');
        if (value > 0xFFFFFFFFull) return 0;
    }
    return value;
}

std::string SetupInfoPathOf(const std::string& programPath) {
    if (programPath.size() < 3) return std::string();
    return programPath.substr(0, programPath.size() - 3) + "ini";
}

bool ReadSetupInformation(const ProfileReader& reader, const WindowsVersion& version,
                          SetupRecord& record) {
    record.requiredMegabytes = ParseDiskMegabytes(reader.ReadText("DISK"));
    if (record.requiredMegabytes == 0) return false;
    if (!ReadField(reader, "TITLE_NAME", record.title) ||
        !ReadField(reader, "PRINTER_NAME", record.printerName) ||
        !ReadField(reader, "INSTALL_FOLDER", record.installFolderName) ||
        !ReadField(reader, "DISK_PATH", record.sourceFolder) ||
        !ReadField(reader, "TB_FILE", record.programFile) ||
        !ReadField(reader, HelpKeyFor(version), record.helpFile)) {
        return false;
    }
    record.uninstallKey = UninstallKeyPath(record.installFolderName);
    return true;
}

} // namespace installer
