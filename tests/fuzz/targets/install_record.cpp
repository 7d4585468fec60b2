// The install record on any text: a record is read whole or not at all, only with the
// product's line first ("[P]"), every entry it
// yields is a plain relative path (so nothing outside the install folder is ever
// removed), writing the entries and reading them back gives them again, and the removal
// order holds each path once, deepest first.
#include "tests/fuzz/engine/Fuzz.h"

#include "installer/InstallRecord.h"
#include "text/Path.h"
#include "text/Cp932.h"

#include <algorithm>

using namespace installer;
using namespace cp932;
using namespace path;

namespace {

const std::string kProduct = "P";

std::size_t Depth(const std::string& path) {
    std::size_t parts = 1;
    for (std::size_t pos = 0; pos < path.size();) {
        unsigned char c = static_cast<unsigned char>(path[pos]);
        bool pair = cp932::IsLeadByte(c) && pos + 1 < path.size();
        if (!pair && c == '\\') ++parts;
        pos += pair ? 2 : 1;
    }
    return parts;
}

// Each part of a safe entry names something inside the folder it is joined to.
void CheckPlainParts(const std::string& entry) {
    FUZZ_CHECK(!entry.empty() && entry.size() <= 259);
    FUZZ_CHECK(entry[0] != '\\' && entry.find(':') == std::string::npos);
    std::string rest = entry;
    while (!rest.empty()) {
        std::string name = NameOf(rest);
        FUZZ_CHECK(!name.empty() && name != "." && name != "..");
        FUZZ_CHECK(name.back() != '.' && name.back() != ' ');
        rest = CutAtLastBackslash(rest);
    }
}

} // namespace

const std::size_t fuzz::kMaxInputSize = 2000;

void fuzz::FuzzOne(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> entries{"left over"};
    bool ok = ParseRecord(text, kProduct, entries);
    if (!ok) {
        FUZZ_CHECK(entries.empty());
        return;
    }
    for (const std::string& entry : entries) {
        FUZZ_CHECK(IsSafeRelativePath(entry));
        CheckPlainParts(entry);
    }
    std::vector<std::string> again;
    FUZZ_CHECK(text.compare(0, 5, "[P]\r\n") == 0);
    FUZZ_CHECK(ParseRecord(FormatRecord(kProduct, entries), kProduct, again));
    FUZZ_CHECK(again == entries);

    std::vector<std::string> unique = UniquePaths(entries);
    for (std::size_t i = 0; i < unique.size(); ++i)
        for (std::size_t j = i + 1; j < unique.size(); ++j)
            FUZZ_CHECK(!EqualsNoCase(unique[i], unique[j]));
    for (const std::string& entry : entries)
        FUZZ_CHECK(std::any_of(unique.begin(), unique.end(),
                               [&](const std::string& u) { return EqualsNoCase(u, entry); }));
    std::vector<std::string> order = RemovalOrder(entries);
    FUZZ_CHECK(std::is_permutation(order.begin(), order.end(), unique.begin(), unique.end()));
    for (std::size_t i = 1; i < order.size(); ++i)
        FUZZ_CHECK(Depth(order[i - 1]) >= Depth(order[i]));
}
