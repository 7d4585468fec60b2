#include "tools/helpgen/HelpBook.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <iconv.h>
#include <set>
#include <sstream>

namespace helpgen {

int HelpBook::Find(const std::string& id) const {
    for (std::size_t i = 0; i < topics.size(); ++i)
        if (topics[i].id == id) return static_cast<int>(i);
    return -1;
}

namespace {

std::string Convert(const char* to, const char* from, const std::string& text) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) throw SourceError("iconv has no CP932");
    std::string out(text.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* outPtr = &out[0];
    std::size_t outLeft = out.size();
    std::size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1))
        throw SourceError(std::string("text not convertible to ") + to + ": \"" + text + "\"");
    out.resize(out.size() - outLeft);
    return out;
}

std::string ToUtf8(const std::string& cp932) { return Convert("UTF-8", "CP932", cp932); }

} // namespace

std::string ToCp932(const std::string& utf8) { return Convert("CP932", "UTF-8", utf8); }

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    std::string line;
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::string Trim(const std::string& text) {
    std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return "";
    return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

bool IsTopicId(const std::string& id) {
    if (id.empty()) return false;
    for (char c : id)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) return false;
    return true;
}

// Expands {list:NAME} (every item in 「」, joined by 、) and {range:NAME} (first～last).
std::string ExpandLists(const std::string& line, const ListTable& lists) {
    std::string out;
    std::size_t pos = 0;
    while (true) {
        std::size_t open = line.find('{', pos);
        if (open == std::string::npos) break;
        std::size_t close = line.find('}', open);
        if (close == std::string::npos) throw SourceError("unclosed { in: " + line);
        std::string field = line.substr(open + 1, close - open - 1);
        std::size_t colon = field.find(':');
        std::string kind = field.substr(0, colon);
        std::string name = colon == std::string::npos ? "" : field.substr(colon + 1);
        auto list = lists.find(name);
        if ((kind != "list" && kind != "range") || list == lists.end() || list->second.empty())
            throw SourceError("unknown list field {" + field + "}");
        out += line.substr(pos, open - pos);
        const std::vector<std::string>& items = list->second;
        if (kind == "range") {
            out += u8"「" + ToUtf8(items.front()) + u8"」～「" + ToUtf8(items.back()) + u8"」";
        } else {
            for (std::size_t i = 0; i < items.size(); ++i)
                out += (i ? u8"、「" : u8"「") + ToUtf8(items[i]) + u8"」";
        }
        pos = close + 1;
    }
    return out + line.substr(pos);
}

// Splits a line into runs: **bold**, [[id]] and [[id|text]] links, plain text.
std::vector<Run> ParseRuns(const std::string& line) {
    std::vector<Run> runs;
    std::size_t pos = 0;
    auto addText = [&](Run::Kind kind, const std::string& text, const std::string& target) {
        if (!text.empty() || kind == Run::Kind::Link) runs.push_back({kind, text, target});
    };
    while (pos < line.size()) {
        std::size_t bold = line.find("**", pos);
        std::size_t link = line.find("[[", pos);
        std::size_t next = std::min(bold, link);
        addText(Run::Kind::Text, line.substr(pos, next - pos), "");
        if (next == std::string::npos) break;
        if (next == bold) {
            std::size_t end = line.find("**", bold + 2);
            if (end == std::string::npos) throw SourceError("unclosed ** in: " + line);
            addText(Run::Kind::Bold, line.substr(bold + 2, end - bold - 2), "");
            pos = end + 2;
        } else {
            std::size_t end = line.find("]]", link + 2);
            if (end == std::string::npos) throw SourceError("unclosed [[ in: " + line);
            std::string inner = line.substr(link + 2, end - link - 2);
            std::size_t bar = inner.find('|');
            std::string target = inner.substr(0, bar);
            if (!IsTopicId(target)) throw SourceError("bad link target in: " + line);
            addText(Run::Kind::Link, bar == std::string::npos ? "" : inner.substr(bar + 1),
                    target);
            pos = end + 2;
        }
    }
    return runs;
}

Topic ReadTopic(const std::string& id, int level, const std::string& text,
                const ListTable& lists) {
    Topic topic{id, level, "", {}, {}};
    for (const std::string& raw : Lines(text)) {
        std::string line = ExpandLists(raw, lists);
        if (Trim(line).empty()) continue;
        if (StartsWith(line, "# ")) {
            topic.title = Trim(line.substr(2));
        } else if (StartsWith(line, "@index ")) {
            std::istringstream words(line.substr(7));
            std::string word;
            while (std::getline(words, word, ';'))
                if (!Trim(word).empty()) topic.keywords.push_back(Trim(word));
        } else if (StartsWith(line, "## ")) {
            topic.paragraphs.push_back({Paragraph::Kind::Heading, ParseRuns(Trim(line.substr(3)))});
        } else if (StartsWith(line, "- ")) {
            topic.paragraphs.push_back({Paragraph::Kind::Bullet, ParseRuns(Trim(line.substr(2)))});
        } else {
            topic.paragraphs.push_back({Paragraph::Kind::Body, ParseRuns(Trim(line))});
        }
    }
    if (topic.title.empty()) throw SourceError("topic " + id + " has no \"# title\" line");
    return topic;
}

// Links without text take the target's title; every text becomes CP932.
void ResolveAndEncode(HelpBook& book) {
    for (Topic& topic : book.topics) {
        for (Paragraph& paragraph : topic.paragraphs) {
            for (Run& run : paragraph.runs) {
                if (run.kind != Run::Kind::Link) continue;
                int target = book.Find(run.target);
                if (target < 0)
                    throw SourceError("topic " + topic.id + " links to missing topic " +
                                      run.target);
                if (run.text.empty()) run.text = book.topics[target].title;
            }
        }
    }
    book.title = ToCp932(book.title);
    book.fontName = ToCp932(book.fontName);
    for (Topic& topic : book.topics) {
        topic.title = ToCp932(topic.title);
        for (std::string& keyword : topic.keywords) keyword = ToCp932(keyword);
        for (Paragraph& paragraph : topic.paragraphs)
            for (Run& run : paragraph.runs) run.text = ToCp932(run.text);
    }
}

} // namespace

HelpBook ReadHelpBook(const std::string& project, const TopicReader& readTopic,
                      const ListTable& lists) {
    HelpBook book;
    bool inContents = false;
    int previousLevel = 0;
    std::set<std::string> seen;
    for (const std::string& raw : Lines(project)) {
        std::string line = Trim(raw);
        if (line.empty() || line[0] == '#') continue;
        if (!inContents) {
            if (StartsWith(line, "title ")) book.title = Trim(line.substr(6));
            else if (StartsWith(line, "font ")) book.fontName = Trim(line.substr(5));
            else if (line == "contents") inContents = true;
            else throw SourceError("unknown project line: " + line);
            continue;
        }
        std::istringstream entry(line);
        int level = 0;
        std::string id;
        if (!(entry >> level >> id) || !IsTopicId(id) || level < 1 || level > previousLevel + 1)
            throw SourceError("bad contents line: " + line);
        if (!seen.insert(id).second) throw SourceError("topic " + id + " listed twice");
        std::optional<std::string> text = readTopic(id);
        if (!text) throw SourceError("topic " + id + " is in the contents but has no file");
        book.topics.push_back(ReadTopic(id, level, *text, lists));
        previousLevel = level;
    }
    if (book.title.empty() || book.fontName.empty() || book.topics.empty())
        throw SourceError("the project needs a title, a font and a contents tree");
    ResolveAndEncode(book);
    return book;
}

} // namespace helpgen
