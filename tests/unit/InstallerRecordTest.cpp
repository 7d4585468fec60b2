#include "installer/InstallRecord.h"

#include <gtest/gtest.h>

using installer::RecordEntry;

TEST(InstallerRecord, RoundTripsFilesAndFolders) {
    std::vector<RecordEntry> entries = {{"TBSETUP.EXE", false}, {"表", true},
                                        {"表\\TBK42.CHM", false}, {"TBSETUP.LST", false}};
    std::string text = installer::FormatRecord(entries);
    EXPECT_EQ("TBSETUP.EXE\r\n表\\\r\n表\\TBK42.CHM\r\nTBSETUP.LST\r\n", text);
    std::vector<RecordEntry> read;
    ASSERT_TRUE(installer::ParseRecord(text, read));
    ASSERT_EQ(4u, read.size());
    EXPECT_EQ("表", read[1].path);
    EXPECT_TRUE(read[1].folder);
    EXPECT_EQ("表\\TBK42.CHM", read[2].path);
    EXPECT_FALSE(read[2].folder);
}

TEST(InstallerRecord, AnyLineOutsideTheFolderSpoilsTheWholeRecord) {
    for (const char* bad : {"..\\x", "a\\..\\..\\x", "..", ".", "a\\.\\b", "\\WINDOWS\\x",
                            "C:\\x", "C:x", "\\\\srv\\share\\x", "a/../b", "a\\\\b", "", "*.*",
                            "...", ". .", "x.. ", "a\\b.", "a\tb", "\\"}) {
        std::string text = std::string("TBSETUP.EXE\r\n") + bad + "\r\nTBSETUP.LST\r\n";
        std::vector<RecordEntry> read = {{"stale", false}};
        EXPECT_FALSE(installer::ParseRecord(text, read)) << bad;
        EXPECT_TRUE(read.empty()) << bad;
    }
    std::vector<RecordEntry> read;
    EXPECT_FALSE(installer::ParseRecord("TBSETUP.EXE\nTBK42.EXE\r\n", read)); // bare LF
    EXPECT_FALSE(installer::ParseRecord(std::string(300, 'a') + "\r\n", read));
    EXPECT_TRUE(installer::ParseRecord("", read));
    EXPECT_TRUE(read.empty());
}

TEST(InstallerRecord, FilesFirstThenFoldersDeepestFirst) {
    std::vector<RecordEntry> entries = {{"A", true},         {"A\\B", true}, {"A\\B\\x.txt", false},
                                        {"TBSETUP.LST", false}, {"C", true},  {"a\\b", true}};
    auto order = installer::RemovalOrder(entries);
    ASSERT_EQ(5u, order.size());
    EXPECT_EQ("A\\B\\x.txt", order[0].path);
    EXPECT_EQ("TBSETUP.LST", order[1].path);
    EXPECT_EQ("A\\B", order[2].path);
    EXPECT_EQ("A", order[3].path);
    EXPECT_EQ("C", order[4].path);
}
