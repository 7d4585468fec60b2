#include "text/Cp932.h"
#include "text/Number.h"
#include "text/Path.h"

#include <gtest/gtest.h>

// "表" is 0x95 0x5C in CP932: its trail byte is a backslash.
TEST(Cp932, TrailByteBackslashIsNoSeparator) {
    std::string path = "C:\\表\\";
    EXPECT_EQ(std::string("\x95\x5C"), std::string("表"));
    EXPECT_EQ(path.size() - 1, cp932::FindLastBackslash(path));
    EXPECT_EQ(2u, cp932::FindLastBackslash("C:\\表"));
    EXPECT_EQ(std::string::npos, cp932::FindLastBackslash("表ソ能"));
}

// Lead bytes are 0x81-0x9F and 0xE0-0xFC, trail bytes 0x40-0x7E and 0x80-0xFC.
TEST(Cp932, ByteClassesEndWhereTheCodePageSays) {
    const struct {
        unsigned char byte;
        bool lead;
        bool trail;
    } cases[] = {{0x3F, false, false}, {0x40, false, true}, {0x7E, false, true},
                 {0x7F, false, false}, {0x80, false, true}, {0x81, true, true},
                 {0x9F, true, true},   {0xA0, false, true}, {0xDF, false, true},
                 {0xE0, true, true},   {0xFC, true, true},  {0xFD, false, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.lead, cp932::IsLeadByte(c.byte)) << int(c.byte);
        EXPECT_EQ(c.trail, cp932::IsTrailByte(c.byte)) << int(c.byte);
    }
}

// Each character as start and length: "表" (0x95 0x5C) is one, a lead byte at the end
// counts as one byte.
TEST(Cp932, CharsStepOverWholeCharacters) {
    std::string text = "a表\\\x81";
    std::vector<std::pair<std::size_t, std::size_t>> steps;
    for (cp932::Char c : cp932::Chars(text))
        steps.emplace_back(c.pos, c.length);
    EXPECT_EQ((std::vector<std::pair<std::size_t, std::size_t>>{{0, 1}, {1, 2}, {3, 1}, {4, 1}}),
              steps);
}

TEST(Cp932, TruncateNeverSplitsACharacter) {
    std::string text = "ab日本";
    EXPECT_EQ("ab日", cp932::Truncate(text, 5));
    EXPECT_EQ("ab日", cp932::Truncate(text, 4));
    EXPECT_EQ("ab", cp932::Truncate(text, 3));
    EXPECT_EQ(text, cp932::Truncate(text, 6));
    EXPECT_EQ("", cp932::Truncate(text, 0));
}

// "ポ" is 0x83 0x7C in CP932: its trail byte is a "|".
TEST(Cp932, ReplaceCharLeavesTrailBytesAlone) {
    std::string filter = cp932::ReplaceChar("TBポ (*.dat)|*.dat||", '|', '\0');
    EXPECT_EQ(std::string("TB\x83\x7C (*.dat)\0*.dat\0\0", 20), filter);
}

TEST(Cp932, CopyBoundedCutsOnBoundaryAndReportsFit) {
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_FALSE(cp932::CopyBounded(buffer, sizeof buffer, "a日本"));
    EXPECT_STREQ("a日", buffer);
    EXPECT_TRUE(cp932::CopyBounded(buffer, sizeof buffer, "abc"));
    EXPECT_STREQ("abc", buffer);
}

TEST(Path, FolderAndTitleStepOverTrailBackslashes) {
    EXPECT_EQ("C:\\表\\", path::FolderOf("C:\\表\\TBK42.EXE"));
    EXPECT_EQ("C:\\", path::FolderOf("C:\\表"));
    EXPECT_EQ("", path::FolderOf("TBK42.EXE"));
    EXPECT_EQ("TBK42", path::FileTitle("C:\\ソフト\\TBK42.EXE"));
    EXPECT_EQ("表", path::FileTitle("C:\\x.y\\表"));
    EXPECT_EQ("a.b", path::FileTitle("a.b.exe"));
}

TEST(Path, InFolderJoinsOnceAndNeverGivesABareName) {
    const struct {
        const char* folder;
        const char* full;
    } cases[] = {
        {"C:\\WINDOWS\\SYSTEM", "C:\\WINDOWS\\SYSTEM\\hhctrl.ocx"},
        {"C:\\", "C:\\hhctrl.ocx"},
        // "表" ends in the trail byte 0x5C: a separator is still due.
        {"C:\\表", "C:\\表\\hhctrl.ocx"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.full, path::InFolder(c.folder, "hhctrl.ocx")) << c.folder;
    }
}

// "表" is 0x95 0x5C and "ソ" 0x83 0x5C in CP932: their trail bytes are backslashes.
// Trail bytes can also be letters: "ッ" is 0x83 0x62 ("b"), "ィ" is 0x83 0x42 ("B").
TEST(Path, CutsOnlyAtRealBackslashes) {
    EXPECT_EQ("C:\\表", path::CutAtLastBackslash("C:\\表\\TBSetup.exe"));
    EXPECT_EQ("C:", path::CutAtLastBackslash("C:\\ソ"));
    EXPECT_EQ("", path::CutAtLastBackslash("表"));
    EXPECT_EQ("ソ", path::NameOf("C:\\ソ"));
    EXPECT_EQ("表", path::NameOf("表"));
    EXPECT_FALSE(path::EndsInBackslash("C:\\表"));
    EXPECT_TRUE(path::EndsInBackslash("C:\\表\\"));
    EXPECT_EQ("a\\b", path::JoinPath("a", "b"));
    EXPECT_EQ("C:\\表", path::WithoutTrailingBackslash("C:\\表\\"));
    EXPECT_EQ("C:\\", path::WithoutTrailingBackslash("C:\\"));
}

TEST(Cp932, UpperCaseLeavesDoubleByteCharactersAlone) {
    EXPECT_EQ("C:\\PROGRAM FILES\\TBK42.EX_", cp932::UpperCase("C:\\Program Files\\tbk42.ex_"));
    EXPECT_EQ(std::string("\x83\x62") + "B", cp932::UpperCase("ッb"));
    EXPECT_TRUE(cp932::EqualsNoCase("c:\\windows", "C:\\WINDOWS"));
    EXPECT_EQ("Z:\\AZ`{@[", cp932::UpperCase("z:\\az`{@["));
    EXPECT_FALSE(cp932::EqualsNoCase("ッ", "ィ"));
}

TEST(Path, FoldersToCreateTopDown) {
    EXPECT_EQ((std::vector<std::string>{"C:\\A", "C:\\A\\B", "C:\\A\\B\\C"}),
              path::FoldersTopDown("C:\\A\\B\\C"));
    EXPECT_EQ((std::vector<std::string>{"C:\\表", "C:\\表\\ソ"}),
              path::FoldersTopDown("C:\\表\\ソ\\"));
    EXPECT_EQ((std::vector<std::string>{"\\\\srv\\share\\a", "\\\\srv\\share\\a\\b"}),
              path::FoldersTopDown("\\\\srv\\share\\a\\b"));
}

// A path that is only a root has nothing to create: no drive, no server or share.
TEST(Path, RootAloneGivesNoFolders) {
    for (const char* root : {"C:", "C:\\", "\\\\srv", "\\\\srv\\share", "\\\\srv\\share\\"})
        EXPECT_TRUE(path::FoldersTopDown(root).empty()) << root;
    EXPECT_EQ(std::vector<std::string>{"C:\\a"}, path::FoldersTopDown("C:\\a"));
}

TEST(Number, ParseIntegerAcceptsWholeIntegersOnly) {
    int value = 99;
    EXPECT_TRUE(number::ParseInteger(" -12 ", value));
    EXPECT_EQ(-12, value);
    EXPECT_TRUE(number::ParseInteger("+7", value));
    EXPECT_EQ(7, value);
    EXPECT_TRUE(number::ParseInteger("-2147483648", value));
    EXPECT_EQ(-2147483647 - 1, value);
    value = 5;
    for (const char* bad : {"", " ", "-", "12a", "1 2", "2147483648", "99999999999999999999"}) {
        EXPECT_FALSE(number::ParseInteger(bad, value)) << bad;
    }
    EXPECT_EQ(5, value);
}
