#pragma once
// Byte-string helpers for code page 932 text. A lead byte (0x81-0x9F, 0xE0-0xFC) is
// followed by a trail byte 0x40-0xFC, which may be 0x5C ("\") or 0x7C ("|"): code
// that cuts or scans text must step over whole characters.
#include <cstddef>
#include <string>

namespace cp932 {

bool IsLeadByte(unsigned char c);
// A byte that may follow a lead byte: 0x40-0x7E, 0x80-0xFC.
bool IsTrailByte(unsigned char c);

// Length in bytes of the character that starts at `pos`: 2 for a lead byte with a byte
// after it, else 1 (a lead byte at the very end counts as one byte, and so does `pos`
// at or past the end). Every scan over CP932 text steps by this.
std::size_t CharLength(const std::string& text, std::size_t pos);

// One character of a text: where it starts, how many bytes it has and its first byte.
struct Char {
    std::size_t pos;
    std::size_t length;
    unsigned char first;
    // True when this character is the single byte `byte` (never a trail byte).
    bool Is(char byte) const { return length == 1 && first == static_cast<unsigned char>(byte); }
};

// The characters of `text` in order, for a range-for loop. Holds a reference: the text
// must outlive the loop.
class Chars {
public:
    explicit Chars(const std::string& text) : text_(text) {}

    class Iterator {
    public:
        Iterator(const std::string& text, std::size_t pos) : text_(&text), pos_(pos) {}
        Char operator*() const {
            return {pos_, CharLength(*text_, pos_), static_cast<unsigned char>((*text_)[pos_])};
        }
        Iterator& operator++() {
            pos_ += CharLength(*text_, pos_);
            return *this;
        }
        // Before the end: a loop ends even where a step would overshoot it.
        bool operator!=(const Iterator& other) const { return pos_ < other.pos_; }

    private:
        const std::string* text_;
        std::size_t pos_;
    };

    Iterator begin() const { return {text_, 0}; }
    Iterator end() const { return {text_, text_.size()}; }

private:
    const std::string& text_;
};

// Length in bytes of the longest prefix of `text` that is at most `maxBytes` long and
// ends on a character boundary.
std::size_t FitLength(const std::string& text, std::size_t maxBytes);

// `text` cut to at most `maxBytes` bytes without splitting a double-byte character.
std::string Truncate(const std::string& text, std::size_t maxBytes);

// Index of the last path separator "\" that is a character of its own (not the trail
// byte of a double-byte character), or std::string::npos.
std::size_t FindLastBackslash(const std::string& path);

// Copies `text` into a fixed buffer of `size` bytes (terminator included), cut on a
// character boundary. Returns false, leaving a cut copy, when the text did not fit.
bool CopyBounded(char* buffer, std::size_t size, const std::string& text);

// ASCII letters upper-cased; double-byte characters left as they are (their trail
// bytes may be lower-case letters).
std::string UpperCase(const std::string& text);

// Equal when upper-cased the same way.
bool EqualsNoCase(const std::string& a, const std::string& b);

// True when `text` contains `part` starting on a character boundary.
bool ContainsText(const std::string& text, const std::string& part);

// `text` with every single-byte `from` character (not a trail byte) replaced by `to`;
// turns "a|b||" filter strings into the zero-separated form of the file dialogs.
std::string ReplaceChar(const std::string& text, char from, char to);

} // namespace cp932
