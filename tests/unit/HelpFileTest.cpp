#include "help/HelpFile.h"

#include <gtest/gtest.h>
#include <string>

TEST(HelpFile, FormatFollowsTheWindowsVersion) {
    struct Case {
        unsigned long platform, major, minor;
        const char* file;
    } cases[] = {
        {1, 4, 0, "tbk42.hlp"},  // Windows 95
        {1, 4, 10, "tbk42.chm"}, // Windows 98
        {1, 4, 90, "tbk42.chm"}, // Windows Me
        {2, 4, 0, "tbk42.hlp"},  // NT 4.0
        {2, 3, 51, "tbk42.hlp"}, // NT 3.51
        {2, 5, 0, "tbk42.chm"},  // 2000
        {2, 5, 1, "tbk42.chm"},  // XP
        {0, 3, 10, "tbk42.chm"}, // Win32s and anything else
    };
    for (const Case& c : cases) {
        HelpChoice choice = ChooseHelpFile(c.platform, c.major, c.minor);
        EXPECT_EQ(std::string(c.file), choice.fileName) << c.platform << " " << c.major << "." << c.minor;
        EXPECT_EQ(std::string(c.file) == "tbk42.chm", choice.useHtmlHelp);
    }
}
