// helpgen: builds the help files of TBK42 from the help sources.
//
//   helpgen PROJECT OUT-DIR
//
// PROJECT (e.g. help/tbk42.help) names the title, the font and the contents tree; the
// topic files are PROJECT's folder/topics/ID.txt. Writes OUT-DIR/NAME.hlp and NAME.cnt
// (NAME: PROJECT's file name without extension) and the HTML Help project in
// OUT-DIR/chm/. Exit code 1, with the reason, when a topic is missing or a source is bad.
#include "tools/helpgen/HelpBook.h"
#include "tools/helpgen/HtmlHelpProject.h"
#include "tools/helpgen/SettingLists.h"
#include "tools/helpgen/WinHelpFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::optional<std::string> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.flush()) throw helpgen::SourceError("cannot write " + path.string());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: helpgen PROJECT OUT-DIR\n");
        return 2;
    }
    fs::path project = argv[1];
    fs::path out = argv[2];
    std::string name = project.stem().string();
    try {
        std::optional<std::string> text = ReadFile(project);
        if (!text) throw helpgen::SourceError("cannot read " + project.string());
        fs::path topics = project.parent_path() / "topics";
        helpgen::HelpBook book = helpgen::ReadHelpBook(
            *text, [&](const std::string& id) { return ReadFile(topics / (id + ".txt")); },
            helpgen::SettingLists());
        fs::create_directories(out / "chm");
        // A fixed generation date keeps the file the same for the same sources.
        WriteFile(out / (name + ".hlp"), helpgen::WinHelpFile(book, 0));
        WriteFile(out / (name + ".cnt"), helpgen::WinHelpContents(book, name + ".hlp"));
        for (const auto& [file, bytes] : helpgen::HtmlHelpProject(book, name))
            WriteFile(out / "chm" / file, bytes);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "helpgen: %s: %s\n", project.string().c_str(), error.what());
        return 1;
    }
    return 0;
}
