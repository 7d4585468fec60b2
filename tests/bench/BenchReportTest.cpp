// The benchmark table: medians, floppy allocation, input lines and the rendered rows.
#include "tools/bench/BenchReport.h"

#include <gtest/gtest.h>

namespace {

using bench::Goal;
using bench::Measurements;
using bench::Row;
using bench::Unit;

// The table's line for `key` (the header's two lines and other rows left out).
std::string LineOf(const std::string& table, const std::string& what) {
    std::size_t at = table.find("| " + what + " |");
    if (at == std::string::npos) return "";
    return table.substr(at, table.find('\n', at) - at);
}

TEST(BenchMedian, MiddleOfUnsortedOddAndMeanOfMiddlePairForEven) {
    EXPECT_DOUBLE_EQ(5, bench::Median({9, 1, 5}));
    EXPECT_DOUBLE_EQ(4, bench::Median({7, 1, 3, 5}));
    EXPECT_DOUBLE_EQ(2, bench::Median({2}));
    EXPECT_DOUBLE_EQ(0, bench::Median({}));
    // One wild run does not move the median.
    EXPECT_DOUBLE_EQ(10, bench::Median({10, 10, 11, 9, 100000}));
}

TEST(BenchFloppy, FilesTakeWhole512ByteClustersAndFoldersOneEach) {
    EXPECT_EQ(0u, bench::FloppyBytes({}, 0));
    EXPECT_EQ(0u, bench::FloppyBytes({0}, 0)); // an empty file has no cluster
    EXPECT_EQ(512u, bench::FloppyBytes({1}, 0));
    EXPECT_EQ(512u, bench::FloppyBytes({512}, 0));
    EXPECT_EQ(1024u, bench::FloppyBytes({513}, 0));
    EXPECT_EQ(512u * 3 + 512, bench::FloppyBytes({100, 200, 300}, 1));
    // 2,847 clusters of 512 bytes on a formatted 1.44 MB disk.
    EXPECT_EQ(1457664u, bench::kFloppyCapacity);
}

TEST(BenchInput, TakesTheFourFormsAndRefusesAnythingElseWithoutKeepingIt) {
    Measurements measured;
    EXPECT_TRUE(measured.Take("sample start.tbk42 1234.5"));
    EXPECT_TRUE(measured.Take("size size.tbk42 204288"));
    EXPECT_TRUE(measured.Take("file dist 1000"));
    EXPECT_TRUE(measured.Take("folder dist"));
    const char* refused[] = {
        "sample start.x",        "sample start.x 12 13", "sample start.x -5",
        "sample start.x nan",    "sample start.x inf",   "sample start.x 12ms",
        "size size.x 12.5",      "size size.x -1",       "file dist",
        "folder dist 3",         "timing start.x 12",    "",
        "sample",                "size size.x 99999999999999999999",
    };
    for (const char* line : refused) EXPECT_FALSE(measured.Take(line)) << line;
    EXPECT_FALSE(measured.Has("start.x"));
    EXPECT_FALSE(measured.Has("size.x"));
    EXPECT_EQ(1u, measured.Samples("start.tbk42").size());
    EXPECT_DOUBLE_EQ(204288, measured.Value("size.tbk42"));
    EXPECT_DOUBLE_EQ(1536, measured.Value("dist")); // two clusters of file, one of folder
}

TEST(BenchInput, TimingsAreTheirMedianAndASecondSizeReplacesTheFirst) {
    Measurements measured;
    EXPECT_FALSE(measured.Has("start.notepad"));
    for (const char* line : {"sample start.notepad 300", "sample start.notepad 100",
                             "sample start.notepad 200"})
        measured.Take(line);
    EXPECT_DOUBLE_EQ(200, measured.Value("start.notepad"));
    measured.Take("size size.tbsetup 1");
    measured.Take("size size.tbsetup 66560");
    EXPECT_DOUBLE_EQ(66560, measured.Value("size.tbsetup"));
}

class BenchTable : public testing::Test {
protected:
    std::string Render() const { return bench::RenderTable(measured, rows); }
    Measurements measured;
    std::vector<Row> rows = {
        {"start", "start.a", Unit::Milliseconds, "notepad", "start.b", Goal::RatioAtMost, 1.0},
        {"check", "check", Unit::Microseconds, "compare", "compare", Goal::ValueAtMost, 100},
        {"exe", "size.exe", Unit::KiB, nullptr, nullptr, Goal::ValueAtMost, 256 * 1024},
        {"switch", "switch", Unit::Milliseconds, "repaint", "repaint", Goal::None, 0},
    };
};

TEST_F(BenchTable, HeaderNamesEveryColumn) {
    std::string table = Render();
    EXPECT_EQ(0u, table.find("| Measure | Value | Peer | Peer value | Ratio | Goal | Met | Runs |\n"
                             "|---|---:|---|---:|---:|---|---|---:|\n"));
}

TEST_F(BenchTable, RatioOfMediansInMillisecondsAndTheGoalMetAtItsLimit) {
    for (const char* line : {"sample start.a 90000", "sample start.a 110000", "sample start.a 100000",
                             "sample start.b 100000", "sample start.b 99000", "sample start.b 101000"})
        measured.Take(line);
    EXPECT_EQ("| start | 100.0 ms | notepad | 100.0 ms | 1.00× | ≤ 1.0× | yes | 3 |",
              LineOf(Render(), "start"));
    measured.Take("sample start.a 200000");
    measured.Take("sample start.a 200000");
    // Median of five is now 110 ms against 100 ms.
    EXPECT_EQ("| start | 110.0 ms | notepad | 100.0 ms | 1.10× | ≤ 1.0× | no | 5 |",
              LineOf(Render(), "start"));
}

TEST_F(BenchTable, ValueGoalsInMicrosecondsAndKiB) {
    measured.Take("sample check 7.25");
    measured.Take("sample compare 0.05");
    measured.Take("size size.exe 262145"); // one byte over 256 KiB
    std::string table = Render();
    EXPECT_EQ("| check | 7.25 µs | compare | 0.05 µs | 145.00× | ≤ 100.0 µs | yes | 1 |",
              LineOf(table, "check"));
    EXPECT_EQ("| exe | 256.0 KiB | - | - | - | ≤ 256.0 KiB | no | 1 |", LineOf(table, "exe"));
    measured.Take("size size.exe 262144");
    EXPECT_EQ("| exe | 256.0 KiB | - | - | - | ≤ 256.0 KiB | yes | 1 |", LineOf(Render(), "exe"));
}

TEST_F(BenchTable, MissingMeasurementsShowDashesAndNoVerdict) {
    std::string table = Render();
    EXPECT_EQ("| start | - | notepad | - | - | ≤ 1.0× | - | - |", LineOf(table, "start"));
    measured.Take("sample switch 2500");
    // A peer that was not measured gives no ratio; a row without a goal no verdict.
    EXPECT_EQ("| switch | 2.50 ms | repaint | - | - | - | - | 1 |", LineOf(Render(), "switch"));
    measured.Take("sample repaint 0");
    EXPECT_EQ("| switch | 2.50 ms | repaint | 0.00 ms | - | - | - | 1 |", LineOf(Render(), "switch"));
}

} // namespace
