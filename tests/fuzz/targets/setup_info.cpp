// The setup information on any key texts: the keys are read in their fixed order up to
// the first failure, the fields read before it keep their texts, every other field keeps
// what it held, a second reading gives the same record, and DISK reads as the profile
// reader's whole number.
#include "tests/fuzz/engine/Fuzz.h"

#include "installer/SetupInfo.h"

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace installer;

class ScriptedProfile : public ProfileReader {
public:
    std::map<std::string, std::string> values;
    mutable std::vector<std::string> asked;
    std::string ReadText(const char* key) const override {
        asked.push_back(key);
        auto it = values.find(key);
        return it == values.end() ? std::string() : it->second;
    }
};

const char* const kKeys[] = {"DISK",      "TITLE_NAME", "PRINTER_NAME", "INSTALL_FOLDER",
                             "DISK_PATH", "TB_FILE",    "HELP_FILE1",   "HELP_FILE2"};

std::uint64_t ExpectedMegabytes(const std::string& text) {
    std::size_t pos = text.find_first_not_of(" \t");
    if (pos == std::string::npos) return 0;
    std::uint64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = value * 10 + std::uint64_t(text[pos] - '0');
        if (value > 0xFFFFFFFFull) return 0;
    }
    return value;
}

} // namespace

const std::size_t fuzz::kMaxInputSize = 2400;

void fuzz::FuzzOne(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    WindowsVersion version{in.Byte() % 7u, in.Byte() % 12u};
    ScriptedProfile profile;
    std::uint8_t present = in.Byte();
    for (int i = 0; i < 8; ++i)
        if (present & (1u << i)) profile.values[kKeys[i]] = in.Text();

    SetupRecord record;
    record.helpFile = record.programFile = record.sourceFolder = "unread";
    record.installFolderName = record.printerName = record.title = "unread";
    bool ok = ReadSetupInformation(profile, version, record);

    std::string disk = profile.values.count("DISK") ? profile.values["DISK"] : "";
    std::uint64_t megabytes = ExpectedMegabytes(disk);
    FUZZ_CHECK(ParseDiskMegabytes(disk) == megabytes);
    FUZZ_CHECK(record.requiredMegabytes == megabytes);

    // The order of reading, and the first failure that stops it.
    const char* help = HelpKeyFor(version);
    FUZZ_CHECK(std::strcmp(help, version.major == 4 && version.minor == 0 ? "HELP_FILE1"
                                                                          : "HELP_FILE2") == 0);
    const char* order[] = {"DISK",    "TITLE_NAME", "PRINTER_NAME", "INSTALL_FOLDER", "DISK_PATH",
                           "TB_FILE", help};
    std::string* fields[] = {nullptr,
                             &record.title,
                             &record.printerName,
                             &record.installFolderName,
                             &record.sourceFolder,
                             &record.programFile,
                             &record.helpFile};
    std::size_t read = 0;
    bool failed = false;
    for (std::size_t i = 0; i < 7 && !failed; ++i) {
        ++read;
        failed = i == 0 ? megabytes == 0 : profile.values[order[i]].empty();
    }
    FUZZ_CHECK(ok == !failed);
    FUZZ_CHECK(profile.asked.size() == read);
    for (std::size_t i = 0; i < profile.asked.size(); ++i)
        FUZZ_CHECK(profile.asked[i] == order[i]);
    for (std::size_t i = 1; i < 7; ++i)
        FUZZ_CHECK(*fields[i] == (i < read ? profile.values[order[i]] : std::string("unread")));
    if (ok) {
        FUZZ_CHECK(record.uninstallKey ==
                   "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" +
                       record.installFolderName);
        SetupRecord again;
        FUZZ_CHECK(ReadSetupInformation(profile, version, again));
        FUZZ_CHECK(again.title == record.title && again.helpFile == record.helpFile &&
                   again.uninstallKey == record.uninstallKey &&
                   again.requiredMegabytes == record.requiredMegabytes);
    }

    std::string program = in.Text();
    std::string ini = SetupInfoPathOf(program);
    if (program.size() < 3)
        FUZZ_CHECK(ini.empty());
    else
        FUZZ_CHECK(ini == program.substr(0, program.size() - 3) + "ini");
}
