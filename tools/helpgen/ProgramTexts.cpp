#include "tools/helpgen/ProgramTexts.h"

#include "tools/helpgen/HelpBook.h"

#include <cstring>

namespace helpgen {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Reads the literal whose opening quote is at `at`; returns the index after its closing
// quote.
std::size_t ReadLiteral(const std::string& source, std::size_t at, std::string& text) {
    std::size_t i = at + 1;
    while (i < source.size() && source[i] != '"') {
        char c = source[i++];
        if (c == '\\' && i < source.size()) {
            char escaped = source[i++];
            c = escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
        }
        text += c;
    }
    return i + 1;
}

// Skips blanks and line continuations (a backslash before a line end, as in macros).
std::size_t SkipBlanks(const std::string& source, std::size_t i) {
    while (i < source.size()) {
        if (IsSpace(source[i])) {
            ++i;
        } else if (source[i] == '\\' && i + 1 < source.size() && IsSpace(source[i + 1])) {
            ++i;
        } else {
            break;
        }
    }
    return i;
}

// A printf field: '%', flags and width, then the conversion. Returns the conversion
// letter and moves `at` past it, or 0 when `at` starts none.
char Field(const std::string& text, std::size_t& at) {
    if (text[at] != '%') return 0;
    std::size_t i = at + 1;
    while (i < text.size() && std::strchr("-0123456789.l", text[i])) ++i;
    if (i >= text.size() || !std::strchr("sdu", text[i])) return 0;
    at = i + 1;
    return text[i];
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether `text` from `t` on is `pattern` from `p` on, each field standing for a
// non-empty text ("%s") or a number ("%d", "%u").
bool Matches(const std::string& pattern, std::size_t p, const std::string& text, std::size_t t) {
    if (p == pattern.size()) return t == text.size();
    std::size_t after = p;
    char field = Field(pattern, after);
    if (!field) return t < text.size() && pattern[p] == text[t] && Matches(pattern, p + 1, text, t + 1);
    std::size_t end = t;
    if (field == 'd' && end < text.size() && text[end] == '-') ++end;
    for (++end; end <= text.size(); ++end) {
        if (field != 's' && !IsDigit(text[end - 1])) return false;
        if (Matches(pattern, after, text, end)) return true;
    }
    return false;
}

bool HasFields(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (Field(text, i)) return true;
    return false;
}

// What is left of `text` without its fields.
std::string WithoutFields(const std::string& text) {
    std::string rest;
    for (std::size_t i = 0; i < text.size();)
        if (!Field(text, i)) rest += text[i++];
    return rest;
}

const std::string kIdeographicSpace = u8"\u3000";

std::string TrimEnd(std::string text) {
    for (;;) {
        if (!text.empty() && text.back() == ' ') {
            text.pop_back();
        } else if (text.size() >= kIdeographicSpace.size() &&
                   text.compare(text.size() - kIdeographicSpace.size(), std::string::npos,
                                kIdeographicSpace) == 0) {
            text.resize(text.size() - kIdeographicSpace.size());
        } else {
            return text;
        }
    }
}

// A line as it is shown: up to a tab (the key name of a menu item), "&&" as "&" and
// the "&" of a mnemonic left out.
std::string Shown(const std::string& line) {
    std::string shown;
    for (std::size_t i = 0; i < line.size() && line[i] != '\t'; ++i) {
        if (line[i] == '&' && i + 1 < line.size()) ++i;
        shown += line[i];
    }
    return TrimEnd(shown);
}

// The line before its mnemonic "(&X)" or "（&X）", or nothing when it has none.
std::string BeforeMnemonic(const std::string& line) {
    for (const char* open : {"(&", u8"（&"}) {
        std::size_t at = line.find(open);
        if (at != std::string::npos && at > 0) return TrimEnd(line.substr(0, at));
    }
    return {};
}

} // namespace

std::vector<std::string> StringLiterals(const std::string& source) {
    std::vector<std::string> literals;
    std::size_t i = 0;
    while (i < source.size()) {
        if (source.compare(i, 2, "//") == 0) {
            i = source.find('\n', i);
        } else if (source.compare(i, 2, "/*") == 0) {
            i = source.find("*/", i);
            if (i != std::string::npos) i += 2;
        } else if (source[i] == '\'') {
            for (++i; i < source.size() && source[i] != '\''; ++i)
                if (source[i] == '\\') ++i;
            ++i;
        } else if (source[i] == '"') {
            std::string text;
            i = ReadLiteral(source, i, text);
            for (std::size_t next = SkipBlanks(source, i);
                 next < source.size() && source[next] == '"'; next = SkipBlanks(source, i)) {
                i = ReadLiteral(source, next, text);
            }
            literals.push_back(text);
        } else {
            ++i;
        }
    }
    return literals;
}

std::vector<std::string> QuotedTexts(const std::string& topic) {
    static const std::string open = u8"「", close = u8"」";
    std::vector<std::string> quotes;
    for (std::size_t at = topic.find(open); at != std::string::npos; at = topic.find(open, at)) {
        std::size_t start = at + open.size();
        std::size_t end = topic.find(close, start);
        if (end == std::string::npos || topic.find('\n', start) < end)
            throw SourceError(u8"「 without its 」: " + topic.substr(at, 40));
        quotes.push_back(topic.substr(start, end - start));
        at = end + close.size();
    }
    return quotes;
}

void ProgramTexts::Add(const std::string& literal) {
    std::vector<std::string> shown, shortened;
    for (std::size_t start = 0; start <= literal.size();) {
        std::size_t end = literal.find('\n', start);
        if (end == std::string::npos) end = literal.size();
        std::string line = literal.substr(start, end - start);
        shown.push_back(Shown(line));
        shortened.push_back(Shown(BeforeMnemonic(line.substr(0, line.find('\t')))));
        start = end + 1;
    }
    for (std::size_t first = 0; first < shown.size(); ++first) {
        std::string run;
        for (std::size_t last = first; last < shown.size(); ++last) {
            for (const std::string* form : {&shown[last], &shortened[last]}) {
                std::string text = run + *form;
                if (form->empty() || TrimEnd(WithoutFields(text)).empty()) continue;
                if (HasFields(text))
                    patterns.push_back(text);
                else
                    texts.insert(text);
            }
            run += shown[last];
        }
    }
}

bool ProgramTexts::Shows(const std::string& quote) const {
    if (texts.count(quote)) return true;
    for (const std::string& pattern : patterns)
        if (Matches(pattern, 0, quote, 0)) return true;
    return false;
}

std::vector<std::string> UnknownQuotes(const std::string& topic, const ProgramTexts& texts) {
    std::vector<std::string> unknown;
    for (const std::string& quote : QuotedTexts(topic))
        if (!texts.Shows(quote)) unknown.push_back(quote);
    return unknown;
}

} // namespace helpgen
