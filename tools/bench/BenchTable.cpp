// benchreport: reads the measurement lines of scripts/bench on stdin and prints the
// benchmark table. A line it cannot read is named on stderr and the exit code is 1;
// the table is printed from the rest all the same.
#include "tools/bench/BenchReport.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace {

using bench::Goal;
using bench::Unit;

// The page-switch rows, one per tab command, labelled by their keys.
const char* const kSwitches[][2] = {
    {"Page switch Ctrl+K to the page painted", "switch.ctrl-k"},
    {"Page switch Ctrl+P to the page painted", "switch.ctrl-p"},
    {"Page switch Ctrl+1 to the page painted", "switch.ctrl-1"},
    {"Page switch Ctrl+2 to the page painted", "switch.ctrl-2"},
    {"Page switch Ctrl+3 to the page painted", "switch.ctrl-3"},
    {"Page switch Ctrl+4 to the page painted", "switch.ctrl-4"},
};

std::vector<bench::Row> Rows() {
    std::vector<bench::Row> rows = {
        {"TBK42: start to its first visible window", "start.tbk42", Unit::Milliseconds,
         "Wine notepad", "start.notepad", Goal::RatioAtMost, 1.0},
        {"Minimal exe (printer list + message box): start to its window", "start.floor",
         Unit::Milliseconds, "Wine notepad", "start.notepad", Goal::None, 0},
        {"TBK42: peak working set by its first visible window", "memory.tbk42", Unit::KiB,
         "Wine notepad", "memory.notepad", Goal::None, 0},
        {"One data-check after an edit (the edited control read, 270-byte compare, enabling)",
         "datacheck", Unit::Microseconds, "270-byte compare alone", "compare", Goal::ValueAtMost,
         100},
        {"First switch to a page (its window made), mean of five", "switch.first",
         Unit::Milliseconds, "repaint of the shown page", "repaint", Goal::None, 0},
    };
    for (const auto& page : kSwitches) {
        rows.push_back({page[0], page[1], Unit::Milliseconds, "repaint of the shown page",
                        "repaint", Goal::None, 0});
    }
    std::vector<bench::Row> rest = {
        {"TBSetup copy work for the disk (fixed pauses out)", "setup.copy", Unit::Milliseconds,
         "cp -r of dist/ into the prefix", "cp", Goal::RatioAtMost, 1.2},
        {"TBSetup whole install worker (fixed pauses out)", "setup.work", Unit::Milliseconds,
         "cp -r of dist/ into the prefix", "cp", Goal::None, 0},
        {"TBK42.EXE (i686, stripped)", "size.tbk42", Unit::KiB, nullptr, nullptr, Goal::ValueAtMost,
         256 * 1024},
        {"TBSetup.exe (i686, stripped)", "size.tbsetup", Unit::KiB, nullptr, nullptr,
         Goal::ValueAtMost, 128 * 1024},
        {"dist/ on a 1.44 MB floppy (512-byte clusters)", "dist", Unit::KiB, nullptr, nullptr,
         Goal::ValueAtMost, static_cast<double>(bench::kFloppyCapacity)},
    };
    rows.insert(rows.end(), rest.begin(), rest.end());
    return rows;
}

} // namespace

int main() {
    bench::Measurements measured;
    std::string line;
    int refused = 0;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        if (line.empty() || measured.Take(line)) continue;
        std::fprintf(stderr, "benchreport: line %d not understood: %s\n", number, line.c_str());
        ++refused;
    }
    std::fputs(bench::RenderTable(measured, Rows()).c_str(), stdout);
    return refused ? 1 : 0;
}
