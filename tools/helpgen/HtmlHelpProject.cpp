#include "tools/helpgen/HtmlHelpProject.h"

#include <vector>

namespace helpgen {

namespace {

const char kMeta[] = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">";

// CP932 trail bytes are 0x40 or above, so these ASCII characters are always whole.
std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string PageName(const std::string& id) { return id + ".htm"; }

std::string Runs(const std::vector<Run>& runs) {
    std::string out;
    for (const Run& run : runs) {
        if (run.kind == Run::Kind::Bold) out += "<b>" + Escape(run.text) + "</b>";
        else if (run.kind == Run::Kind::Link)
            out += "<a href=\"" + PageName(run.target) + "\">" + Escape(run.text) + "</a>";
        else out += Escape(run.text);
    }
    return out;
}

std::string Page(const HelpBook& book, const Topic& topic) {
    std::string out = "<html>\r\n<head>\r\n" + std::string(kMeta) + "\r\n<title>" +
                      Escape(topic.title) + "</title>\r\n</head>\r\n<body style=\"font-family: '" +
                      Escape(book.fontName) + "'; font-size: 10pt\">\r\n<h1>" +
                      Escape(topic.title) + "</h1>\r\n";
    bool inList = false;
    for (const Paragraph& paragraph : topic.paragraphs) {
        bool bullet = paragraph.kind == Paragraph::Kind::Bullet;
        if (bullet != inList) out += bullet ? "<ul>\r\n" : "</ul>\r\n";
        inList = bullet;
        if (bullet) out += "<li>" + Runs(paragraph.runs) + "</li>\r\n";
        else if (paragraph.kind == Paragraph::Kind::Heading) out += "<h2>" + Runs(paragraph.runs) + "</h2>\r\n";
        else out += "<p>" + Runs(paragraph.runs) + "</p>\r\n";
    }
    if (inList) out += "</ul>\r\n";
    return out + "</body>\r\n</html>\r\n";
}

std::string SitemapEntry(const std::string& name, const std::vector<std::string>& ids) {
    std::string out = "<li><object type=\"text/sitemap\">\r\n<param name=\"Name\" value=\"" +
                      Escape(name) + "\">\r\n";
    for (const std::string& id : ids)
        out += "<param name=\"Local\" value=\"" + PageName(id) + "\">\r\n";
    return out + "</object>\r\n";
}

const char kSitemapHead[] = "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\r\n<html>\r\n<head>\r\n";

std::string Contents(const HelpBook& book) {
    std::string out = kSitemapHead + std::string(kMeta) + "\r\n</head>\r\n<body>\r\n<ul>\r\n";
    int level = 1;
    for (const Topic& topic : book.topics) {
        for (; level < topic.level; ++level) out += "<ul>\r\n";
        for (; level > topic.level; --level) out += "</ul>\r\n";
        out += SitemapEntry(topic.title, {topic.id});
    }
    for (; level > 0; --level) out += "</ul>\r\n";
    return out + "</body>\r\n</html>\r\n";
}

std::string Index(const HelpBook& book) {
    std::map<std::string, std::vector<std::string>> keywords;
    for (const Topic& topic : book.topics)
        for (const std::string& keyword : topic.keywords) keywords[keyword].push_back(topic.id);
    std::string out = kSitemapHead + std::string(kMeta) + "\r\n</head>\r\n<body>\r\n<ul>\r\n";
    for (const auto& [keyword, ids] : keywords) out += SitemapEntry(keyword, ids);
    return out + "</ul>\r\n</body>\r\n</html>\r\n";
}

std::string Project(const HelpBook& book, const std::string& baseName) {
    std::string first = PageName(book.topics.front().id);
    std::string out = "[OPTIONS]\r\nCompatibility=1.1 or later\r\nCompiled file=" + baseName +
                      ".chm\r\nContents file=" + baseName + ".hhc\r\nIndex file=" + baseName +
                      ".hhk\r\nDefault topic=" + first +
                      "\r\nDisplay compile progress=No\r\nFull-text search=Yes\r\n"
                      "Language=0x411 Japanese\r\nTitle=" + book.title + "\r\n\r\n[FILES]\r\n";
    for (const Topic& topic : book.topics) out += PageName(topic.id) + "\r\n";
    return out;
}

} // namespace

std::map<std::string, std::string> HtmlHelpProject(const HelpBook& book, const std::string& baseName) {
    std::map<std::string, std::string> files;
    for (const Topic& topic : book.topics) files[PageName(topic.id)] = Page(book, topic);
    files[baseName + ".hhc"] = Contents(book);
    files[baseName + ".hhk"] = Index(book);
    files[baseName + ".hhp"] = Project(book, baseName);
    return files;
}

} // namespace helpgen
