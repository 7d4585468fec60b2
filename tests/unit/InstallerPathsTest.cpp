#include "installer/SetupPaths.h"

#include <gtest/gtest.h>

// "表" is 0x95 0x5C and "ソ" 0x83 0x5C in CP932: their trail bytes are backslashes.
// Trail bytes can also be letters: "ッ" is 0x83 0x62 ("b"), "ィ" is 0x83 0x42 ("B").
TEST(InstallerPaths, CutsOnlyAtRealBackslashes) {
    EXPECT_EQ("C:\\表", installer::CutAtLastBackslash("C:\\表\\TBSetup.exe"));
    EXPECT_EQ("C:", installer::CutAtLastBackslash("C:\\ソ"));
    EXPECT_EQ("", installer::CutAtLastBackslash("表"));
    EXPECT_EQ("ソ", installer::NameOf("C:\\ソ"));
    EXPECT_EQ("表", installer::NameOf("表"));
    EXPECT_FALSE(installer::EndsInBackslash("C:\\表"));
    EXPECT_TRUE(installer::EndsInBackslash("C:\\表\\"));
    EXPECT_EQ("a\\b", installer::JoinPath("a", "b"));
}

TEST(InstallerPaths, UpperCaseLeavesDoubleByteCharactersAlone) {
    EXPECT_EQ("C:\\PROGRAM FILES\\TBK42.EX_", installer::UpperCase("C:\\Program Files\\tbk42.ex_"));
    EXPECT_EQ(std::string("\x83\x62") + "B", installer::UpperCase("ッb"));
    EXPECT_TRUE(installer::EqualsNoCase("c:\\windows", "C:\\WINDOWS"));
    EXPECT_EQ("Z:\\AZ`{@[", installer::UpperCase("z:\\az`{@["));
    EXPECT_FALSE(installer::EqualsNoCase("ッ", "ィ"));
}

TEST(InstallerPaths, DefaultPathAndBrowseResult) {
    EXPECT_EQ("D:\\Program Files\\Foo", installer::DefaultInstallPath("D:\\WINNT", "Foo"));
    EXPECT_EQ("C:\\Program Files (x86)\\Foo",
              installer::DefaultInstallPath("C:\\Windows", "Foo", true));
    EXPECT_EQ("C:\\Foo", installer::BrowseResult("C:\\", "Foo"));
    EXPECT_EQ("C:\\Tools\\Foo", installer::BrowseResult("C:\\Tools", "Foo"));
    // A folder ending in "表" does not end in a backslash.
    EXPECT_EQ("C:\\表\\Foo", installer::BrowseResult("C:\\表", "Foo"));
}

TEST(InstallerPaths, TemporaryCopyAndExpandedTarget) {
    EXPECT_EQ("C:\\TEMP\\Tbsetup.exe", installer::TemporaryProgramPath("C:\\TEMP\\"));
    EXPECT_EQ("C:\\TEMP\\Tbsetup.exe", installer::TemporaryProgramPath("C:\\TEMP"));
    EXPECT_EQ("C:\\表\\Tbsetup.exe", installer::TemporaryProgramPath("C:\\表"));
    EXPECT_EQ("C:\\P\\TBK42.EXE",
              installer::ExpandedTarget("C:\\P\\TBK42.EX_", "A:\\DISK1\\TBK42.EXE"));
}

TEST(InstallerPaths, FoldersToCreateTopDown) {
    EXPECT_EQ((std::vector<std::string>{"C:\\A", "C:\\A\\B", "C:\\A\\B\\C"}),
              installer::FoldersTopDown("C:\\A\\B\\C"));
    EXPECT_EQ((std::vector<std::string>{"C:\\表", "C:\\表\\ソ"}),
              installer::FoldersTopDown("C:\\表\\ソ\\"));
    EXPECT_EQ((std::vector<std::string>{"\\\\srv\\share\\a", "\\\\srv\\share\\a\\b"}),
              installer::FoldersTopDown("\\\\srv\\share\\a\\b"));
}

// A path that is only a root has nothing to create: no drive, no server or share.
TEST(InstallerPaths, RootAloneGivesNoFolders) {
    for (const char* root : {"C:", "C:\\", "\\\\srv", "\\\\srv\\share", "\\\\srv\\share\\"})
        EXPECT_TRUE(installer::FoldersTopDown(root).empty()) << root;
    EXPECT_EQ(std::vector<std::string>{"C:\\a"}, installer::FoldersTopDown("C:\\a"));
}
