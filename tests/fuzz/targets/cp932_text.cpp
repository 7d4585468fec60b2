// The CP932 text helpers on any bytes: cuts end on a character boundary and are as long
// as the limit allows, bounded copies never pass their buffer, and only backslashes and
// characters of their own (never trail bytes) are found or replaced.
#include "tests/fuzz/engine/Fuzz.h"

#include "text/Cp932.h"
#include "text/Path.h"

#include <cstring>
#include <vector>

namespace {

// Start offsets of the characters of `text`; a lead byte at the end stands alone.
std::vector<std::size_t> CharacterStarts(const std::string& text) {
    std::vector<std::size_t> starts;
    for (std::size_t pos = 0; pos < text.size();) {
        starts.push_back(pos);
        bool pair =
            cp932::IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size();
        pos += pair ? 2 : 1;
    }
    return starts;
}

bool IsBoundary(const std::vector<std::size_t>& starts, std::size_t offset, std::size_t size) {
    if (offset == size) return true;
    for (std::size_t s : starts)
        if (s == offset) return true;
    return false;
}

// The last character of its own that is `c`.
std::size_t LastOwn(const std::string& text, const std::vector<std::size_t>& starts, char c) {
    std::size_t found = std::string::npos;
    for (std::size_t s : starts)
        if (text[s] == c) found = s;
    return found;
}

} // namespace

const std::size_t fuzz::kMaxInputSize = 300;

void fuzz::FuzzOne(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    std::size_t limit = in.Byte();
    std::string text = in.Rest();
    std::vector<std::size_t> starts = CharacterStarts(text);

    std::size_t fit = cp932::FitLength(text, limit);
    FUZZ_CHECK(fit <= limit && fit <= text.size());
    FUZZ_CHECK(IsBoundary(starts, fit, text.size()));
    // Maximal: the next character would not fit.
    if (fit < text.size()) {
        std::size_t next = fit + ((cp932::IsLeadByte(static_cast<unsigned char>(text[fit])) &&
                                   fit + 1 < text.size())
                                      ? 2
                                      : 1);
        FUZZ_CHECK(next > limit);
    }
    FUZZ_CHECK(cp932::Truncate(text, limit) == text.substr(0, fit));

    // A buffer of exactly `limit` bytes on the heap: a byte too far is caught.
    char* raw = limit == 0 ? nullptr : new char[limit];
    bool whole = cp932::CopyBounded(raw, limit, text);
    if (limit == 0) {
        FUZZ_CHECK(!whole);
    } else {
        std::size_t copied = cp932::FitLength(text, limit - 1);
        FUZZ_CHECK(whole == (copied == text.size()));
        FUZZ_CHECK(std::memcmp(raw, text.data(), copied) == 0 && raw[copied] == '\0');
    }
    delete[] raw;

    FUZZ_CHECK(cp932::FindLastBackslash(text) == LastOwn(text, starts, '\\'));

    std::string replaced = cp932::ReplaceChar(text, '|', '\0');
    FUZZ_CHECK(replaced.size() == text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool own = IsBoundary(starts, i, text.size()) &&
                   !(cp932::IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size());
        char expected = own && text[i] == '|' ? '\0' : text[i];
        FUZZ_CHECK(replaced[i] == expected);
    }

    std::string folder = path::FolderOf(text);
    std::size_t slash = LastOwn(text, starts, '\\');
    FUZZ_CHECK(folder == (slash == std::string::npos ? std::string() : text.substr(0, slash + 1)));
    // The title is the file name (after that backslash) up to its last ".".
    std::string title = path::FileTitle(text);
    std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    FUZZ_CHECK(text.compare(nameStart, title.size(), title) == 0);
    std::size_t titleEnd = nameStart + title.size();
    FUZZ_CHECK(titleEnd == text.size() ||
               (text[titleEnd] == '.' && text.find('.', titleEnd + 1) == std::string::npos));
}
