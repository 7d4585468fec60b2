#include "installer/SetupInfo.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// A profile section held in memory; a missing key reads as empty, like the system's.
class FakeProfile : public installer::ProfileReader {
public:
    std::map<std::string, std::string> keys;
    mutable std::vector<std::string> order;
    std::string ReadText(const char* key) const override {
        order.push_back(key);
        auto found = keys.find(key);
        return found == keys.end() ? std::string() : found->second;
    }
};

FakeProfile CompleteProfile() {
    FakeProfile profile;
    profile.keys = {{"DISK", "3"},           {"TITLE_NAME", "K42 ツール"},
                    {"PRINTER_NAME", "Corvane K42"}, {"INSTALL_FOLDER", "Foo"},
                    {"DISK_PATH", "DISK1"},  {"TB_FILE", "TBK42.EXE"},
                    {"HELP_FILE1", "TBK42.HLP"}, {"HELP_FILE2", "TBK42.CHM"}};
    return profile;
}

const installer::WindowsVersion kWin95{4, 0}, kWin98{4, 10}, kXp{5, 1};

} // namespace

TEST(InstallerSetupInfo, ReadsEveryKeyInOrderIntoTheRecord) {
    FakeProfile profile = CompleteProfile();
    installer::SetupRecord record;
    ASSERT_TRUE(installer::ReadSetupInformation(profile, kXp, record));
    EXPECT_EQ((std::vector<std::string>{"DISK", "TITLE_NAME", "PRINTER_NAME", "INSTALL_FOLDER",
                                        "DISK_PATH", "TB_FILE", "HELP_FILE2"}),
              profile.order);
    EXPECT_EQ(3u, record.requiredMegabytes);
    EXPECT_EQ("K42 ツール", record.title);
    EXPECT_EQ("Corvane K42", record.printerName);
    EXPECT_EQ("Foo", record.installFolderName);
    EXPECT_EQ("DISK1", record.sourceFolder);
    EXPECT_EQ("TBK42.EXE", record.programFile);
    EXPECT_EQ("TBK42.CHM", record.helpFile);
    EXPECT_EQ("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Foo", record.uninstallKey);

    installer::SetupRecord again = record;
    ASSERT_TRUE(installer::ReadSetupInformation(profile, kXp, again));
    EXPECT_EQ(record.uninstallKey, again.uninstallKey);
    EXPECT_EQ(record.helpFile, again.helpFile);
}

TEST(InstallerSetupInfo, HelpKeyFollowsVersionFourZeroOnly) {
    EXPECT_STREQ("HELP_FILE1", installer::HelpKeyFor(kWin95));
    EXPECT_STREQ("HELP_FILE2", installer::HelpKeyFor(kWin98));
    EXPECT_STREQ("HELP_FILE2", installer::HelpKeyFor(kXp));
    EXPECT_STREQ("HELP_FILE2", installer::HelpKeyFor({5, 0}));

    FakeProfile onlySecond = CompleteProfile();
    onlySecond.keys.erase("HELP_FILE1");
    installer::SetupRecord record;
    EXPECT_FALSE(installer::ReadSetupInformation(onlySecond, kWin95, record));
    EXPECT_TRUE(installer::ReadSetupInformation(onlySecond, kWin98, record));

    FakeProfile onlyFirst = CompleteProfile();
    onlyFirst.keys.erase("HELP_FILE2");
    installer::SetupRecord first;
    EXPECT_TRUE(installer::ReadSetupInformation(onlyFirst, kWin95, first));
    EXPECT_EQ("TBK42.HLP", first.helpFile);
    EXPECT_FALSE(installer::ReadSetupInformation(onlyFirst, kXp, first));
}

TEST(InstallerSetupInfo, DiskThatIsNotAPositiveNumberFailsBeforeTheTitle) {
    for (const char* disk : {"", "0", "-5", "abc", " -1", "+3", "99999999999"}) {
        FakeProfile profile = CompleteProfile();
        profile.keys["DISK"] = disk;
        installer::SetupRecord record;
        EXPECT_FALSE(installer::ReadSetupInformation(profile, kXp, record)) << disk;
        EXPECT_EQ("", record.title) << disk; // the failure's caption stays empty
        EXPECT_EQ(std::vector<std::string>{"DISK"}, profile.order) << disk;
    }
    FakeProfile missing = CompleteProfile();
    missing.keys.erase("DISK");
    installer::SetupRecord record;
    EXPECT_FALSE(installer::ReadSetupInformation(missing, kXp, record));
}

TEST(InstallerSetupInfo, DiskReadsLeadingDigitsLikeTheSystem) {
    EXPECT_EQ(12u, installer::ParseDiskMegabytes("12abc"));
    EXPECT_EQ(7u, installer::ParseDiskMegabytes("  7"));
    EXPECT_EQ(4294967295u, installer::ParseDiskMegabytes("4294967295"));
    EXPECT_EQ(0u, installer::ParseDiskMegabytes("4294967296"));
}

TEST(InstallerSetupInfo, FailureKeepsWhatWasReadSoFarAsCaption) {
    FakeProfile profile = CompleteProfile();
    profile.keys.erase("DISK_PATH");
    installer::SetupRecord record;
    EXPECT_FALSE(installer::ReadSetupInformation(profile, kXp, record));
    EXPECT_EQ("K42 ツール", record.title);
    EXPECT_EQ("Foo", record.installFolderName);
    EXPECT_EQ("", record.programFile);
    EXPECT_EQ("", record.uninstallKey);

    FakeProfile noTitle = CompleteProfile();
    noTitle.keys["TITLE_NAME"] = "";
    installer::SetupRecord untitled;
    EXPECT_FALSE(installer::ReadSetupInformation(noTitle, kXp, untitled));
    EXPECT_EQ("", untitled.title);
}

TEST(InstallerSetupInfo, EachTextKeyIsRequired) {
    for (const char* key : {"TITLE_NAME", "PRINTER_NAME", "INSTALL_FOLDER", "DISK_PATH", "TB_FILE",
                            "HELP_FILE2"}) {
        FakeProfile profile = CompleteProfile();
        profile.keys[key] = "";
        installer::SetupRecord record;
        EXPECT_FALSE(installer::ReadSetupInformation(profile, kXp, record)) << key;
    }
}

TEST(InstallerSetupInfo, FileBesideTheProgramUnderItsOwnName) {
    EXPECT_EQ("A:\\TBSetup.ini", installer::SetupInfoPathOf("A:\\TBSetup.exe"));
    EXPECT_EQ("A:\\disk\\setup.ini", installer::SetupInfoPathOf("A:\\disk\\setup.exe"));
    EXPECT_EQ("C:\\TEMP\\Tbsetup.ini", installer::SetupInfoPathOf("C:\\TEMP\\Tbsetup.exe"));
    EXPECT_EQ("", installer::SetupInfoPathOf("ab"));
}
