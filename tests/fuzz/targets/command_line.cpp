// The installer's command-line dispatch on any line: every "/" that is a character of
// its own closes the folder dialog, and the character after it alone decides the run;
// a trail byte 0x2F never counts.
#include "tests/fuzz/engine/Fuzz.h"

#include "installer/SetupRules.h"
#include "text/Cp932.h"

#include <vector>

using namespace installer;

const std::size_t fuzz::kMaxInputSize = 300;

void fuzz::FuzzOne(const std::uint8_t* data, std::size_t size) {
    std::string line(reinterpret_cast<const char*>(data), size);
    // The line as characters, then the switches read off them.
    std::vector<std::string> characters;
    for (std::size_t pos = 0; pos < line.size();) {
        bool pair =
            cp932::IsLeadByte(static_cast<unsigned char>(line[pos])) && pos + 1 < line.size();
        characters.push_back(line.substr(pos, pair ? 2 : 1));
        pos += pair ? 2 : 1;
    }
    std::vector<RunSwitch> expected;
    bool anySlash = false;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        if (characters[i] != "/") continue;
        anySlash = true;
        char next = i + 1 < characters.size() ? characters[i + 1][0] : '\0';
        if (next == 'u' || next == 'U') expected.push_back(RunSwitch::Uninstall);
        if (next == 'm' || next == 'M') expected.push_back(RunSwitch::HandOff);
    }
    Dispatch dispatch = ParseCommandLine(line);
    FUZZ_CHECK(dispatch.closeDialog == anySlash);
    FUZZ_CHECK(dispatch.switches == expected);

    // A double-byte character in front changes nothing.
    Dispatch shifted = ParseCommandLine("\x95\x5C" + line);
    FUZZ_CHECK(shifted.switches == dispatch.switches &&
               shifted.closeDialog == dispatch.closeDialog);
}
