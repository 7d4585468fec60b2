#pragma once
// The texts the programs show, gathered from the sources they are written in, and the
// check that a help topic quotes only those. In a topic, 「…」 marks a text the user sees
// in a program: a menu command, a page name, a button, a message. Texts of Windows
// itself (the message boxes' buttons, the control panel) are written in ［…］ and are
// not checked. Everything here works on the UTF-8 bytes of the sources.
#include <set>
#include <string>
#include <vector>

namespace helpgen {

// The string literals of a C, C++ or resource source, in order: comments and character
// literals skipped, the escapes \n, \t, \\, \" and \' read, adjacent literals joined.
std::vector<std::string> StringLiterals(const std::string& source);

// The texts 「…」 of a topic source, in order. Throws SourceError for a 「 without its 」
// on the same line.
std::vector<std::string> QuotedTexts(const std::string& topic);

class ProgramTexts {
public:
    // Adds a literal. Its lines can be quoted alone or several in a row joined, as the
    // user sees them: without the "&" of a mnemonic and without the key name after a
    // tab; a line ending in its mnemonic, such as "有効(&O)", also without "(&O)" and
    // what follows it. "%s", "%d" and "%u" stand for any text or number, but a line
    // (or run of lines) that is nothing but such fields is no text of its own.
    void Add(const std::string& literal);
    bool Shows(const std::string& quote) const;

private:
    std::set<std::string> texts;
    std::vector<std::string> patterns;
};

// The quotes of `topic` that are none of `texts`.
std::vector<std::string> UnknownQuotes(const std::string& topic, const ProgramTexts& texts);

} // namespace helpgen
