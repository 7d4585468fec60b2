// helpgen: builds the help files of TBK42 from the help sources.
//
//   helpgen PROJECT OUT-DIR [TEXT-SOURCE...]
//
// PROJECT (e.g. help/tbk42.help) names the title, the font and the contents tree; the
// topic files are PROJECT's folder/topics/ID.txt. Writes OUT-DIR/NAME.hlp and NAME.cnt
// (NAME: PROJECT's file name without extension) and the HTML Help project in
// OUT-DIR/chm/. The TEXT-SOURCEs are the resource scripts and sources that hold the
// programs' texts: every 「…」 of a topic must be one of their string literals as the
// user sees it (ProgramTexts.h). Exit code 1, with the reason, when a topic is missing,
// quotes a text no program shows, or a source is bad.
#include "tools/helpgen/HelpBook.h"
#include "tools/helpgen/HtmlHelpProject.h"
#include "tools/helpgen/ProgramTexts.h"
#include "tools/helpgen/SettingLists.h"
#include "tools/helpgen/WinHelpFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

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

// Every quote of every topic that none of `sources` holds, one line each.
std::string UnknownQuotes(const helpgen::HelpBook& book, const fs::path& topics,
                          const std::vector<fs::path>& sources) {
    helpgen::ProgramTexts texts;
    for (const fs::path& source : sources) {
        std::optional<std::string> text = ReadFile(source);
        if (!text) throw helpgen::SourceError("cannot read " + source.string());
        for (const std::string& literal : helpgen::StringLiterals(*text)) texts.Add(literal);
    }
    std::string report;
    for (const helpgen::Topic& topic : book.topics) {
        fs::path file = topics / (topic.id + ".txt");
        for (const std::string& quote : helpgen::UnknownQuotes(*ReadFile(file), texts))
            report += "\n  " + file.string() + u8": 「" + quote + u8"」 is no text of the programs";
    }
    return report;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: helpgen PROJECT OUT-DIR [TEXT-SOURCE...]\n");
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
        std::string unknown = UnknownQuotes(book, topics, std::vector<fs::path>(argv + 3, argv + argc));
        if (!unknown.empty())
            throw helpgen::SourceError(u8"quotes that are no text of the programs (Windows's "
                                       u8"own texts go in ［…］):" + unknown);
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
