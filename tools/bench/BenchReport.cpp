#include "tools/bench/BenchReport.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace bench {

namespace {

constexpr std::uint64_t kCluster = 512;

const std::vector<double> kNoSamples;

std::uint64_t Clusters(std::uint64_t bytes) {
    return (bytes + kCluster - 1) / kCluster;
}

// Parses a whole word as a non-negative number.
bool Number(const std::string& word, double& value) {
    if (word.empty() || word[0] == '-' || word[0] == '+') return false;
    char* end = nullptr;
    value = std::strtod(word.c_str(), &end);
    return end == word.c_str() + word.size() && value >= 0 && value < 1e15;
}

bool Bytes(const std::string& word, std::uint64_t& bytes) {
    if (word.empty() || word.find_first_not_of("0123456789") != std::string::npos) return false;
    if (word.size() > 15) return false;
    bytes = std::stoull(word);
    return true;
}

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// A figure in the row's unit: two decimals below 10, one above.
std::string Figure(double base, Unit unit) {
    double shown = unit == Unit::Milliseconds ? base / 1000 : unit == Unit::KiB ? base / 1024 : base;
    const char* name = unit == Unit::Milliseconds ? " ms" : unit == Unit::KiB ? " KiB" : " µs";
    return Fixed(shown, shown < 10 ? 2 : 1) + name;
}

std::string GoalText(const Row& row) {
    switch (row.goal) {
    case Goal::RatioAtMost:
        return "≤ " + Fixed(row.limit, 1) + "×";
    case Goal::ValueAtMost:
        return "≤ " + Figure(row.limit, row.unit);
    case Goal::None:
        break;
    }
    return "-";
}

std::string Line(const Measurements& measured, const Row& row) {
    bool has = measured.Has(row.key);
    bool hasPeer = row.peerKey && measured.Has(row.peerKey);
    double value = has ? measured.Value(row.key) : 0;
    double peer = hasPeer ? measured.Value(row.peerKey) : 0;
    bool ratioKnown = has && hasPeer && peer > 0;
    double ratio = ratioKnown ? value / peer : 0;
    std::string met = "-";
    if (row.goal == Goal::RatioAtMost && ratioKnown) met = ratio <= row.limit ? "yes" : "no";
    if (row.goal == Goal::ValueAtMost && has) met = value <= row.limit ? "yes" : "no";
    std::size_t runs = measured.Samples(row.key).size();
    std::ostringstream line;
    line << "| " << row.what << " | " << (has ? Figure(value, row.unit) : "-") << " | "
         << (row.peerWhat ? row.peerWhat : "-") << " | "
         << (hasPeer ? Figure(peer, row.unit) : "-") << " | "
         << (ratioKnown ? Fixed(ratio, 2) + "×" : "-") << " | " << GoalText(row) << " | " << met
         << " | " << (runs ? std::to_string(runs) : "-") << " |\n";
    return line.str();
}

} // namespace

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    std::size_t middle = values.size() / 2;
    if (values.size() % 2) return values[middle];
    return (values[middle - 1] + values[middle]) / 2;
}

std::uint64_t FloppyBytes(const std::vector<std::uint64_t>& files, unsigned folders) {
    std::uint64_t clusters = folders;
    for (std::uint64_t size : files) clusters += Clusters(size);
    return clusters * kCluster;
}

bool Measurements::Take(const std::string& line) {
    std::istringstream words(line);
    std::string kind, key, figure, extra;
    if (!(words >> kind >> key)) return false;
    bool hasFigure = static_cast<bool>(words >> figure);
    if (words >> extra) return false;
    double value = 0;
    std::uint64_t bytes = 0;
    if (kind == "sample" && hasFigure && Number(figure, value)) {
        samples[key].push_back(value);
    } else if (kind == "size" && hasFigure && Bytes(figure, bytes)) {
        samples[key] = {static_cast<double>(bytes)};
    } else if (kind == "file" && hasFigure && Bytes(figure, bytes)) {
        files[key].push_back(bytes);
    } else if (kind == "folder" && !hasFigure) {
        ++folders[key];
    } else {
        return false;
    }
    return true;
}

const std::vector<double>& Measurements::Samples(const std::string& key) const {
    auto found = samples.find(key);
    return found == samples.end() ? kNoSamples : found->second;
}

bool Measurements::Has(const std::string& key) const {
    return samples.count(key) || files.count(key);
}

double Measurements::Value(const std::string& key) const {
    auto tree = files.find(key);
    if (tree == files.end()) return Median(Samples(key));
    auto counted = folders.find(key);
    return static_cast<double>(FloppyBytes(tree->second, counted == folders.end() ? 0 : counted->second));
}

std::string RenderTable(const Measurements& measured, const std::vector<Row>& rows) {
    std::string table = "| Measure | Value | Peer | Peer value | Ratio | Goal | Met | Runs |\n"
                        "|---|---:|---|---:|---:|---|---|---:|\n";
    for (const Row& row : rows) table += Line(measured, row);
    return table;
}

} // namespace bench
