// The icon menu's text rules on any item texts: the accelerator padding only puts blanks
// before a text's first tab, brings every such part up to the widest part plus a blank
// (even under a measure that never grows, it ends), and the mnemonic search finds the
// first text with "&" and the letter in either case.
#include "tests/fuzz/engine/Fuzz.h"

#include "menu/MenuLayout.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace iconmenu;

namespace {

char16_t Lower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
}

int ExpectedMnemonic(const std::vector<std::u16string>& texts, char16_t character) {
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t j = 0; j + 1 < texts[i].size(); ++j)
            if (texts[i][j] == u'&' && Lower(texts[i][j + 1]) == Lower(character))
                return static_cast<int>(i);
    return -1;
}

} // namespace

const std::size_t fuzz::kMaxInputSize = 1024;

void fuzz::FuzzOne(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    int measureKind = in.Byte() % 3;
    std::vector<std::string> texts;
    while (in.Remaining() > 0 && texts.size() < 40)
        texts.push_back(in.Text());

    // Bytes, a width per byte value, or a measure that ignores blanks (never grows).
    auto measure = [measureKind](const std::string& text) {
        int width = 0;
        for (unsigned char c : text) {
            if (measureKind == 0)
                width += 1;
            else if (measureKind == 1)
                width += 1 + c % 7;
            else
                width += c == ' ' ? 0 : 3;
        }
        return width;
    };
    std::vector<std::string> padded = PadAcceleratorTexts(texts, measure);
    FUZZ_CHECK(padded.size() == texts.size());
    int widest = 0;
    for (const std::string& text : texts)
        widest = std::max(widest, measure(text.substr(0, text.find('\t')) + " "));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::size_t tab = texts[i].find('\t');
        if (tab == std::string::npos) {
            FUZZ_CHECK(padded[i] == texts[i]);
            continue;
        }
        std::size_t newTab = padded[i].find('\t');
        FUZZ_CHECK(newTab >= tab);
        FUZZ_CHECK(padded[i].compare(0, tab, texts[i], 0, tab) == 0);
        FUZZ_CHECK(padded[i].find_first_not_of(' ', tab) == newTab);
        FUZZ_CHECK(padded[i].substr(newTab) == texts[i].substr(tab));
        if (measureKind != 2) FUZZ_CHECK(measure(padded[i].substr(0, newTab)) >= widest);

        TabParts parts = SplitAtTabs(texts[i]);
        FUZZ_CHECK(parts.hasTab && parts.left == texts[i].substr(0, tab));
        FUZZ_CHECK(parts.right == texts[i].substr(texts[i].rfind('\t') + 1));
    }

    std::vector<std::u16string> wide;
    for (const std::string& text : texts)
        wide.emplace_back(text.begin(), text.end());
    char16_t character = static_cast<char16_t>(size ? data[size - 1] : 'a');
    FUZZ_CHECK(FindMnemonic(wide, character) == ExpectedMnemonic(wide, character));
}
