#pragma once
// The benchmark's table: measurements arrive as text lines from the measuring programs
// and the script, and leave as one Markdown table with medians, ratios and goals.
//
// Input lines (anything else is refused):
//   sample KEY VALUE    one timing run, in microseconds
//   size KEY BYTES      the size of one file
//   file KEY BYTES      one file of a folder tree that goes on a floppy disk
//   folder KEY          one folder of that tree (below its top)
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace bench {

// The middle value (the mean of the two middle ones for an even count); 0 when empty.
double Median(std::vector<double> values);

// Bytes a tree takes on a FAT12 floppy disk: every file and every folder below the top
// occupies whole clusters of 512 bytes (an empty file none, a folder at least one).
std::uint64_t FloppyBytes(const std::vector<std::uint64_t>& files, unsigned folders);

// What a 1.44 MB floppy disk holds for files: 2,847 clusters of 512 bytes.
constexpr std::uint64_t kFloppyCapacity = 2847ull * 512;

class Measurements {
public:
    // Takes one input line; false (and nothing taken) when it is not one of the forms.
    bool Take(const std::string& line);
    const std::vector<double>& Samples(const std::string& key) const;
    bool Has(const std::string& key) const;
    // The median of a timing, the size of a file, or the floppy bytes of a tree.
    double Value(const std::string& key) const;

private:
    std::map<std::string, std::vector<double>> samples;
    std::map<std::string, std::vector<std::uint64_t>> files;
    std::map<std::string, unsigned> folders;
};

enum class Unit { Milliseconds, Microseconds, KiB };
enum class Goal { None, RatioAtMost, ValueAtMost };

struct Row {
    const char* what;
    const char* key;
    Unit unit;
    const char* peerWhat; // null: no peer
    const char* peerKey;
    Goal goal;
    double limit; // a ratio, or a value in the row's base unit (microseconds, bytes)
};

// The table for `rows`; a row whose measurement is missing shows "-" for its figures.
std::string RenderTable(const Measurements& measured, const std::vector<Row>& rows);

} // namespace bench
