// The installer's path rules on any CP932 texts: joins and cuts agree, upper-casing
// leaves double-byte characters alone, the folders to create are the path's own
// prefixes, and the install-path refusal does not depend on letter case or one
// trailing backslash.
#include "tests/fuzz/engine/Fuzz.h"

#include "installer/SetupPaths.h"
#include "installer/SetupRules.h"
#include "text/Cp932.h"
#include "text/Path.h"

namespace {

using namespace installer;
using namespace cp932;
using namespace path;

// True when `text` does not end in a lead byte whose trail byte is missing: a backslash
// appended to it is then a character of its own.
bool EndsOnBoundary(const std::string& text) {
    std::size_t pos = 0;
    while (pos + 1 < text.size())
        pos += cp932::IsLeadByte(static_cast<unsigned char>(text[pos])) ? 2 : 1;
    return pos >= text.size() || !cp932::IsLeadByte(static_cast<unsigned char>(text[pos]));
}

bool HasOwnBackslash(const std::string& text) {
    return cp932::FindLastBackslash(text) != std::string::npos;
}

void CheckUpperCase(const std::string& text) {
    std::string upper = UpperCase(text);
    FUZZ_CHECK(upper.size() == text.size());
    FUZZ_CHECK(UpperCase(upper) == upper);
    for (std::size_t pos = 0; pos < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[pos]);
        if (cp932::IsLeadByte(c) && pos + 1 < text.size()) {
            FUZZ_CHECK(upper.compare(pos, 2, text, pos, 2) == 0);
            pos += 2;
            continue;
        }
        char expected = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : text[pos];
        FUZZ_CHECK(upper[pos] == expected);
        ++pos;
    }
}

void CheckFolders(const std::string& path) {
    std::vector<std::string> folders = FoldersTopDown(path);
    std::size_t last = 0;
    for (const std::string& folder : folders) {
        FUZZ_CHECK(folder.size() > last || (last == 0 && !folder.empty()));
        last = folder.size();
        FUZZ_CHECK(path.compare(0, folder.size(), folder) == 0);
        FUZZ_CHECK(!(folder.size() == 2 && folder == path.substr(0, 2) && path[1] == ':' &&
                     ((path[0] | 0x20) >= 'a' && (path[0] | 0x20) <= 'z')));
        FUZZ_CHECK(folder.size() == path.size() ||
                   cp932::FindLastBackslash(path.substr(0, folder.size() + 1)) == folder.size());
    }
}

} // namespace

const std::size_t fuzz::kMaxInputSize = 1200;

void fuzz::FuzzOne(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    InstallTarget target;
    target.path = in.Text();
    target.windowsFolder = in.Text();
    target.systemFolder = in.Text();
    target.programFilesFolder = in.Text();
    target.sourceFolder = in.Text();
    std::uint8_t flags = in.Byte();
    target.exists = flags & 1;
    target.empty = flags & 2;
    target.holdsRecord = flags & 4;
    std::string name = in.Text();

    CheckUpperCase(target.path);
    FUZZ_CHECK(EqualsNoCase(target.path, UpperCase(target.path)));
    FUZZ_CHECK(EqualsNoCase(target.path, name) == EqualsNoCase(name, target.path));

    std::string joined = JoinPath(target.path, name);
    FUZZ_CHECK(joined == target.path + "\\" + name);
    if (EndsOnBoundary(target.path) && !HasOwnBackslash(name)) {
        FUZZ_CHECK(CutAtLastBackslash(joined) == target.path);
        FUZZ_CHECK(NameOf(joined) == name);
    }
    std::string browsed = BrowseResult(target.path, name);
    FUZZ_CHECK(browsed.size() >= name.size() &&
               browsed.compare(browsed.size() - name.size(), name.size(), name) == 0);
    FUZZ_CHECK(ExpandedTarget(joined, name).size() == joined.size());
    std::string temporary = TemporaryProgramPath(target.path);
    FUZZ_CHECK(temporary.size() >= 12 &&
               temporary.compare(temporary.size() - 12, 12, "\\Tbsetup.exe") == 0);
    std::string withoutSlash = target.path;
    if (EndsInBackslash(withoutSlash)) withoutSlash.pop_back();
    FUZZ_CHECK(temporary == withoutSlash + "\\Tbsetup.exe");
    CheckFolders(target.path);

    bool refused = IsRefusedInstallPath(target);
    InstallTarget upper = target;
    upper.path = UpperCase(target.path);
    FUZZ_CHECK(IsRefusedInstallPath(upper) == refused);
    if (target.path.size() > 3 && EndsOnBoundary(target.path) && !EndsInBackslash(target.path)) {
        InstallTarget slashed = target;
        slashed.path += '\\';
        FUZZ_CHECK(IsRefusedInstallPath(slashed) == refused);
    }
    bool onDrive = target.path.size() > 3 && target.path[1] == ':' && target.path[2] == '\\' &&
                   ((target.path[0] | 0x20) >= 'a' && (target.path[0] | 0x20) <= 'z');
    if (!onDrive) FUZZ_CHECK(refused);
    if (!target.sourceFolder.empty() && EndsOnBoundary(target.sourceFolder) &&
        !HasOwnBackslash(name) && !name.empty()) {
        InstallTarget inside = target;
        inside.path = JoinPath(target.sourceFolder, name);
        FUZZ_CHECK(IsRefusedInstallPath(inside));
    }
    FUZZ_CHECK(!BrowserMayAccept(target.path, false, in.U32()));
}
