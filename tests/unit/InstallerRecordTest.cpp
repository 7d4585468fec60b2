#include "installer/InstallRecord.h"

#include <gtest/gtest.h>

using Entries = std::vector<std::string>;

namespace {

const std::string kProduct = "Varo Corvane K42 チューンボード";
const std::string kHead = "[Varo Corvane K42 チューンボード]\r\n";

bool Parse(const std::string& text, Entries& read) {
    return installer::ParseRecord(text, kProduct, read);
}

} // namespace

TEST(InstallerRecord, RoundTripsRelativePathsAsCrlfLinesAfterTheProduct) {
    Entries entries = {"TBSETUP.EXE", "表", "表\\TBK42.CHM", "TBSETUP.LST"};
    std::string text = installer::FormatRecord(kProduct, entries);
    EXPECT_EQ(kHead + "TBSETUP.EXE\r\n表\r\n表\\TBK42.CHM\r\nTBSETUP.LST\r\n", text);
    Entries read;
    ASSERT_TRUE(Parse(text, read));
    EXPECT_EQ(entries, read);
}

// A folder's record counts only when it names this product: any other first line makes
// the folder foreign, so none of its files is merged into a new record or removed.
TEST(InstallerRecord, OnlyARecordNamingThisProductIsOwn) {
    for (const char* foreign : {"", "TBSETUP.EXE\r\n", "[Other チューンボード]\r\n",
                                "[Varo Corvane K42 チューンボード ]\r\n",
                                "[varo corvane k42 チューンボード]\r\n",
                                "[Varo Corvane K42 チューンボード]\n",
                                "Varo Corvane K42 チューンボード\r\n",
                                "[Varo Corvane K42 チューンボード]"}) {
        Entries read = {"stale"};
        EXPECT_FALSE(Parse(foreign + std::string("TBK42.EXE\r\n"), read)) << foreign;
        EXPECT_TRUE(read.empty()) << foreign;
    }
    Entries read;
    EXPECT_TRUE(Parse(kHead, read));
    EXPECT_TRUE(read.empty());
}

TEST(InstallerRecord, AnyLineOutsideTheFolderSpoilsTheWholeRecord) {
    for (const char* bad : {"..\\x", "a\\..\\..\\x", "..", ".", "a\\.\\b", "\\WINDOWS\\x",
                            "C:\\x", "C:x", "\\\\srv\\share\\x", "a/../b", "a\\\\b", "", "*.*",
                            "...", ". .", "x.. ", "a\\b.", "a\tb", "\\", "a\\"}) {
        std::string text = kHead + "TBSETUP.EXE\r\n" + bad + "\r\nTBSETUP.LST\r\n";
        Entries read = {"stale"};
        EXPECT_FALSE(Parse(text, read)) << bad;
        EXPECT_TRUE(read.empty()) << bad;
    }
    Entries read;
    EXPECT_FALSE(Parse(kHead + "TBSETUP.EXE\nTBK42.EXE\r\n", read)); // bare LF
    EXPECT_FALSE(Parse(kHead + std::string(300, 'a') + "\r\n", read));
    // A trail byte 0x5C is no separator: "ソ" alone is a plain name.
    EXPECT_TRUE(Parse(kHead + "ソ\r\nソ\\表\r\n", read));
    EXPECT_EQ((Entries{"ソ", "ソ\\表"}), read);
}

TEST(InstallerRecord, RemovalGoesDeepestFirstAndOncePerPath) {
    Entries entries = {"A", "A\\B", "A\\B\\x.txt", "TBSETUP.LST", "C", "a\\b", "ソ\\表"};
    EXPECT_EQ((Entries{"A\\B\\x.txt", "A\\B", "ソ\\表", "A", "TBSETUP.LST", "C"}),
              installer::RemovalOrder(entries));
}

// A lead byte must be followed by a trail byte (0x40-0x7E, 0x80-0xFC): a pair such as
// 0x8C ":" or 0x81 "/" could be read by the system as a character and then a drive or
// path separator, so a record holding one is refused whole.
TEST(InstallerRecord, LeadByteWithoutTrailByteSpoilsTheRecord) {
    for (const char* bad : {"\x8C:x", "a\\\x81/..\\..\\x", "\x81\x2E\x2E", "x\x81", "\x9F\x7F",
                            "\xE0\x3F", "\xFC\xFD"}) {
        Entries read = {"stale"};
        EXPECT_FALSE(Parse(kHead + "TBK42.EXE\r\n" + bad + "\r\n", read))
            << bad;
        EXPECT_TRUE(read.empty());
        EXPECT_FALSE(installer::IsSafeRelativePath(bad));
    }
    for (const char* good : {"\x81\x40", "\x9F\x7E", "\xE0\x80", "\xFC\xFC", "\x95\x5C.TXT"})
        EXPECT_TRUE(installer::IsSafeRelativePath(good)) << good;
}

// The Start-menu group is the title joined below the Programs folder, and the
// uninstallation removes it as a whole tree: a title that names the Programs folder
// itself or climbs out of it must never be used.
TEST(InstallerRecord, GroupTitleMustStayBelowTheProgramsFolder) {
    for (const char* bad : {"", ".", "..", "...", ". .", "\\", "/", "..\\Startup", "a\\..\\..",
                            "../..", "a/../..", "\\..", "\x95\\..\\.."}) {
        EXPECT_FALSE(installer::StaysBelowFolder(bad)) << bad;
    }
    // "表" ends in the byte 0x5C: "表.." is one name, not "\x95" below "..".
    for (const char* good : {"Varo Corvane K42 チューンボード", "a\\b", "Foo Inc.", "..a", "a..",
                             "\x95\\..", "%s\\%d", "\\Group"}) {
        EXPECT_TRUE(installer::StaysBelowFolder(good)) << good;
    }
}

// The ends of what a line may hold: 259 bytes, and bytes from the blank upwards.
TEST(InstallerRecord, LineLimitsEndWhereTheyShould) {
    const struct {
        std::string line;
        bool safe;
    } cases[] = {{std::string(259, 'a'), true}, {std::string(260, 'a'), false},
                 {"a b", true},                 {"a\x1F" "b", false}};
    for (const auto& c : cases)
        EXPECT_EQ(c.safe, installer::IsSafeRelativePath(c.line)) << c.line.size();
}
