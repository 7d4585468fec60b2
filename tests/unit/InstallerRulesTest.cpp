#include "installer/SetupRules.h"

#include <gtest/gtest.h>

using installer::RunSwitch;

TEST(InstallerCommandLine, EverySlashClosesTheDialogAndUorMRuns) {
    auto none = installer::ParseCommandLine("\"A:\\TBSetup.exe\"");
    EXPECT_FALSE(none.closeDialog);
    EXPECT_TRUE(none.switches.empty());

    auto handOff = installer::ParseCommandLine("C:\\P\\Tbsetup.exe /M");
    EXPECT_TRUE(handOff.closeDialog);
    EXPECT_EQ(std::vector<RunSwitch>{RunSwitch::HandOff}, handOff.switches);

    EXPECT_EQ(std::vector<RunSwitch>{RunSwitch::Uninstall},
              installer::ParseCommandLine(" /u").switches);

    auto other = installer::ParseCommandLine("x /x");
    EXPECT_TRUE(other.closeDialog);
    EXPECT_TRUE(other.switches.empty());
    EXPECT_TRUE(installer::ParseCommandLine("x /").closeDialog);

    EXPECT_EQ((std::vector<RunSwitch>{RunSwitch::Uninstall, RunSwitch::HandOff}),
              installer::ParseCommandLine("/U /m").switches);
}

TEST(InstallerCommandLine, DoubleByteCharactersAreSteppedOverWhole) {
    EXPECT_FALSE(installer::ParseCommandLine("C:\\表\\ソ.exe").closeDialog);
    EXPECT_EQ(std::vector<RunSwitch>{RunSwitch::Uninstall},
              installer::ParseCommandLine("C:\\表\\ソ.exe /U").switches);
}

namespace {
installer::InstallTarget Target(const std::string& path) {
    installer::InstallTarget target;
    target.path = path;
    target.windowsFolder = "C:\\WINDOWS";
    target.systemFolder = "C:\\WINDOWS\\system32";
    target.programFilesFolder = "C:\\Program Files";
    target.sourceFolder = "A:\\TBK42";
    return target;
}
} // namespace

TEST(InstallerInstallPath, RefusesRootsAndSystemFolders) {
    for (const char* path : {"C:\\Program Files\\Foo", "a:\\Foo", "Z:\\Foo", "z:\\Foo"})
        EXPECT_FALSE(installer::IsRefusedInstallPath(Target(path))) << path;
    for (const char* path : {"", "Foo", "\\Foo", "\\\\srv\\share\\Foo", "C:Foo", "C:/Foo", "1:\\Foo",
                             "@:\\Foo", "[:\\Foo", "`:\\Foo", "{:\\Foo",
                             "C:\\", "C:", "d:\\", "c:\\windows", "C:\\WINDOWS\\", "C:\\Windows\\System32",
                             "C:\\PROGRAM FILES", "c:\\program files\\"}) {
        EXPECT_TRUE(installer::IsRefusedInstallPath(Target(path))) << path;
    }
}

TEST(InstallerInstallPath, RefusesTheSourceTreeItself) {
    EXPECT_TRUE(installer::IsRefusedInstallPath(Target("a:\\tbk42")));
    EXPECT_TRUE(installer::IsRefusedInstallPath(Target("A:\\TBK42\\Sub")));
    EXPECT_FALSE(installer::IsRefusedInstallPath(Target("A:\\TBK42X")));
    EXPECT_FALSE(installer::IsRefusedInstallPath(Target("C:\\TBK42")));
}

TEST(InstallerInstallPath, ExistingFolderOnlyWhenEmptyOrAnEarlierInstallation) {
    auto target = Target("C:\\Data");
    target.exists = true;
    target.empty = false;
    EXPECT_TRUE(installer::IsRefusedInstallPath(target));
    target.holdsRecord = true;
    EXPECT_FALSE(installer::IsRefusedInstallPath(target));
    target.holdsRecord = false;
    target.empty = true;
    EXPECT_FALSE(installer::IsRefusedInstallPath(target));
}

TEST(InstallerBrowser, AcceptsPlainFoldersAndProgramFiles) {
    const std::uint32_t folder = 0x10, readOnly = 0x1, hidden = 0x2, system = 0x4,
                        temporary = 0x100, compressed = 0x800, offline = 0x1000;
    EXPECT_TRUE(installer::BrowserMayAccept("C:\\Tools", true, folder));
    EXPECT_FALSE(installer::BrowserMayAccept("C:\\Tools", false, folder));
    EXPECT_FALSE(installer::BrowserMayAccept("C:\\a.txt", true, 0x20));
    for (std::uint32_t bad : {readOnly, hidden, system, temporary, compressed, offline}) {
        EXPECT_FALSE(installer::BrowserMayAccept("C:\\Tools", true, folder | bad)) << bad;
    }
    EXPECT_TRUE(installer::BrowserMayAccept("C:\\Program Files", true, folder | readOnly));
    EXPECT_FALSE(installer::BrowserMayAccept("C:\\Program Files", false, folder));
}

TEST(InstallerProgress, FiveFilesGiveTenStepsOfTenPercent) {
    auto scale = installer::ScaleFor(5 + 5);
    EXPECT_EQ(10u, scale.range);
    for (std::uint32_t step = 1; step <= 10; ++step) {
        std::uint32_t position = installer::PositionAfter(scale, step);
        EXPECT_EQ(step, position);
        EXPECT_EQ(static_cast<int>(step * 10), installer::PercentOf(position, scale.range));
    }
    auto empty = installer::ScaleFor(0 + 2);
    EXPECT_EQ(50, installer::PercentOf(installer::PositionAfter(empty, 1), empty.range));
    EXPECT_EQ(100, installer::PercentOf(installer::PositionAfter(empty, 2), empty.range));
    EXPECT_EQ(33, installer::PercentOf(1, 3));
}

TEST(InstallerProgress, MoreThanSixteenBitsOfStepsIsScaledEvenly) {
    auto scale = installer::ScaleFor(100000 + 5);
    EXPECT_EQ(65535u, scale.range);
    std::uint32_t previous = 0;
    for (std::uint32_t step = 1; step <= 100005; ++step) {
        std::uint32_t position = installer::PositionAfter(scale, step);
        ASSERT_GE(position, previous);
        ASSERT_LE(position - previous, 1u);
        previous = position;
    }
    EXPECT_EQ(65535u, previous);
    EXPECT_EQ(100, installer::PercentOf(previous, scale.range));
    EXPECT_EQ(0, installer::PercentOf(installer::PositionAfter(scale, 1), scale.range));
}

// A worker that reports more steps than it counted leaves the bar at its end.
TEST(InstallerProgress, StepsBeyondTheCountStayAtTheEnd) {
    const struct {
        std::uint64_t steps;
        std::uint32_t done;
        std::uint32_t position;
    } cases[] = {{10, 11, 10}, {10, 4000000000u, 10}, {100005, 100006, 65535}, {0, 1, 0}};
    for (const auto& c : cases) {
        auto scale = installer::ScaleFor(c.steps);
        EXPECT_EQ(c.position, installer::PositionAfter(scale, c.done)) << c.steps << " " << c.done;
    }
}

TEST(InstallerTexts, SubstitutionTakesValuesAsPlainText) {
    EXPECT_EQ("100%sのインストールを行います。",
              installer::Substitute("%sのインストールを行います。", "100%s"));
    EXPECT_EQ("a%d%%b", installer::Substitute("%s", "a%d%%b"));
    EXPECT_EQ("12％", installer::Substitute("%d％", 12));
    EXPECT_EQ("エラー番号：5", installer::Substitute("エラー番号：%d", 5));
    EXPECT_EQ("no placeholder", installer::Substitute("no placeholder", "x"));
    // Only the first placeholder is the system text's own.
    EXPECT_EQ("x %s", installer::Substitute("%s %s", "x"));
}
