#include "tools/helpgen/WinHelpFile.h"

#include "tools/helpgen/WinHelpBytes.h"
#include "tools/helpgen/WinHelpTopics.h"
#include "tools/helpgen/WinHelpTree.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace helpgen {

using namespace winhelp;

namespace {

// The faces of Font (WinHelpTopics.cpp) in its order.
std::string FontFile(const HelpBook& book) {
    struct Face {
        unsigned attributes, halfPoints;
    };
    const Face faces[] = {{0, 20}, {1, 20}, {1, 24}, {1, 28}}; // attribute 1: bold
    std::string out;
    Put16(out, 1);      // face names
    Put16(out, 4);      // descriptors
    Put16(out, 8);      // face names at
    Put16(out, 8 + 32); // descriptors at
    std::string name = book.fontName;
    name.resize(32, '\0');
    out += name;
    for (const Face& face : faces) {
        Put8(out, face.attributes);
        Put8(out, face.halfPoints);
        Put8(out, 3);                // family: swiss
        Put16(out, 0);               // face name index
        out += std::string(6, '\0'); // black on no background
    }
    return out;
}

void SystemRecord(std::string& out, unsigned type, const std::string& data) {
    Put16(out, type);
    Put16(out, static_cast<unsigned>(data.size()));
    out += data;
}

// The window "main" with the book's title as its caption (the viewers otherwise keep
// their own caption): flags (name, caption), type, name, caption, then position, size
// and colours, left to the viewer.
std::string MainWindow(const std::string& caption) {
    if (caption.size() > 50) throw SourceError("title longer than 50 bytes");
    std::string out;
    Put16(out, 0x0006);
    out += std::string(10, '\0');
    std::string name = "main";
    name.resize(9, '\0');
    out += name;
    std::string text = caption;
    text.resize(51, '\0');
    out += text;
    out += std::string(18, '\0');
    return out;
}

std::string SystemFile(const HelpBook& book, std::uint32_t generatedAt, std::uint32_t contents) {
    std::string out;
    Put16(out, 0x036C); // magic
    Put16(out, 33);     // minor version: Windows Help 4.0
    Put16(out, 1);      // major version
    Put32(out, generatedAt);
    Put16(out, 0); // topic blocks not compressed
    SystemRecord(out, 9, std::string("\0\0\0\0\0\0\0\0\x11\x04", 10)); // LCID 0x0411, Japanese
    SystemRecord(out, 11, std::string("\x80\0\0\x02\0", 5));           // SHIFTJIS_CHARSET
    SystemRecord(out, 1, book.title + '\0');
    SystemRecord(out, 3, Key32(contents));
    SystemRecord(out, 6, MainWindow(book.title));
    return out;
}

std::vector<TreeEntry> ContextEntries(const HelpBook& book, const std::vector<Link>& links) {
    std::vector<std::pair<std::int32_t, std::uint32_t>> hashes;
    for (const Link& link : links)
        if (link.type == 0x02 && link.topic >= 0)
            hashes.push_back({ContextHash(book.topics[link.topic].id), link.offset});
    std::sort(hashes.begin(), hashes.end());
    std::vector<TreeEntry> entries;
    for (std::size_t i = 0; i < hashes.size(); ++i) {
        if (i > 0 && hashes[i].first == hashes[i - 1].first)
            throw SourceError("two topic ids with one context hash");
        entries.push_back(
            {Key32(static_cast<std::uint32_t>(hashes[i].first)), Key32(hashes[i].second)});
    }
    return entries;
}

std::vector<TreeEntry> TitleEntries(const HelpBook& book, const std::vector<Link>& links) {
    std::vector<TreeEntry> entries;
    for (const Link& link : links)
        if (link.type == 0x02 && link.topic >= 0)
            entries.push_back({Key32(link.offset), book.topics[link.topic].title + '\0'});
    return entries; // topic order is offset order
}

// |KWDATA holds the topic offsets of each keyword; |KWBTREE maps each keyword to its
// count and place there.
void KeywordFiles(const HelpBook& book, const std::vector<Link>& links,
                  std::map<std::string, std::string>& files) {
    std::map<std::string, std::vector<std::uint32_t>> keywords; // byte order = strcmp order
    for (const Link& link : links)
        if (link.type == 0x02 && link.topic >= 0)
            for (const std::string& keyword : book.topics[link.topic].keywords)
                keywords[keyword].push_back(link.offset);
    if (keywords.empty()) return;
    std::string data;
    std::vector<TreeEntry> entries;
    for (const auto& [keyword, offsets] : keywords) {
        std::string value;
        Put16(value, static_cast<unsigned>(offsets.size()));
        Put32(value, static_cast<std::uint32_t>(data.size()));
        for (std::uint32_t offset : offsets)
            Put32(data, offset);
        entries.push_back({keyword + '\0', value});
    }
    std::string map;
    files["|KWBTREE"] = BTree(0x0002, 0x0800, "F24", entries, &map);
    files["|KWDATA"] = data;
    files["|KWMAP"] = map;
}

} // namespace

std::int32_t ContextHash(const std::string& name) {
    std::uint32_t hash = 0;
    for (unsigned char c : name) {
        unsigned value = 0;
        if (c >= 'A' && c <= 'Z')
            value = c - 'A' + 17;
        else if (c >= 'a' && c <= 'z')
            value = c - 'a' + 17;
        else if (c >= '1' && c <= '9')
            value = c - '0';
        else if (c == '0')
            value = 10;
        else if (c == '.')
            value = 12;
        else if (c == '_')
            value = 13;
        hash = hash * 43 + value;
    }
    return static_cast<std::int32_t>(hash);
}

std::string WinHelpFile(const HelpBook& book, std::uint32_t generatedAt) {
    std::vector<Link> links = TopicLinks(book);
    std::map<std::string, std::string> files; // internal files in name order
    files["|TOPIC"] = TopicFile(links);
    files["|SYSTEM"] = SystemFile(book, generatedAt, links.front().offset);
    files["|FONT"] = FontFile(book);
    files["|CONTEXT"] = BTree(0x0002, 0x0800, "L4", ContextEntries(book, links));
    files["|TTLBTREE"] = BTree(0x0002, 0x0800, "Lz", TitleEntries(book, links));
    files["|CTXOMAP"] = std::string(2, '\0'); // no context numbers
    KeywordFiles(book, links, files);

    std::string body;
    std::vector<TreeEntry> directory;
    const std::uint32_t headerSize = 16;
    for (const auto& [name, data] : files) {
        directory.push_back(
            {name + '\0', Key32(static_cast<std::uint32_t>(headerSize + body.size()))});
        Put32(body, static_cast<std::uint32_t>(data.size() + 9)); // reserved, with this header
        Put32(body, static_cast<std::uint32_t>(data.size()));     // used
        Put8(body, 0);
        body += data;
    }
    std::string tree = BTree(0x0402, 0x0400, "z4", directory);
    std::uint32_t directoryAt = static_cast<std::uint32_t>(headerSize + body.size());
    Put32(body, static_cast<std::uint32_t>(tree.size() + 9));
    Put32(body, static_cast<std::uint32_t>(tree.size()));
    Put8(body, 0);
    body += tree;

    std::string out;
    Put32(out, 0x00035F3F);
    Put32(out, directoryAt);
    Put32(out, kNone); // no free blocks
    Put32(out, static_cast<std::uint32_t>(headerSize + body.size()));
    return out + body;
}

std::string WinHelpContents(const HelpBook& book, const std::string& hlpName) {
    std::string out = ":Base " + hlpName + "\r\n:Title " + book.title + "\r\n";
    for (std::size_t i = 0; i < book.topics.size(); ++i) {
        const Topic& topic = book.topics[i];
        bool hasChildren = i + 1 < book.topics.size() && book.topics[i + 1].level > topic.level;
        std::string level = std::to_string(topic.level);
        if (hasChildren) {
            out += level + " " + topic.title + "\r\n";
            level = std::to_string(topic.level + 1);
        }
        out += level + " " + topic.title + "=" + topic.id + "\r\n";
    }
    return out;
}

} // namespace helpgen
