#include "installer/SetupPaths.h"

#include <gtest/gtest.h>

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
