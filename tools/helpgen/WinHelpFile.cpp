#include "tools/helpgen/WinHelpFile.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace helpgen {

namespace {

const std::uint32_t kNone = 0xFFFFFFFF;
const int kTopicBlockSize = 4096;
const int kTopicBlockHeader = 12;
const int kLinkHeader = 21;

void Put8(std::string& out, unsigned value) { out += static_cast<char>(value & 0xFF); }
void Put16(std::string& out, unsigned value) {
    Put8(out, value);
    Put8(out, value >> 8);
}
void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}
void Patch32(std::string& out, std::size_t at, std::uint32_t value) {
    std::string bytes;
    Put32(bytes, value);
    out.replace(at, 4, bytes);
}

// The compressed numbers of paragraph records: one or two bytes (unsigned short), two
// bytes (signed long). Every value written here is small enough for the short forms.
void PutCompressedUShort(std::string& out, unsigned value) {
    if (value <= 0x7F) {
        Put8(out, value * 2);
    } else {
        Put8(out, (value % 128) * 2 + 1);
        Put8(out, value / 128);
    }
}
void PutCompressedShort(std::string& out, int value) {
    PutCompressedUShort(out, static_cast<unsigned>(value >= -0x40 && value <= 0x3F ? value + 0x40
                                                                                    : value + 0x4000));
}
void PutCompressedLong(std::string& out, int value) {
    if (value < -0x4000 || value > 0x3FFF) throw SourceError("paragraph record too long");
    Put16(out, static_cast<unsigned>(value + 0x4000) * 2);
}

// One B+ tree: leaf entries (key then value) in key order, index pages above them.
struct TreeEntry {
    std::string key;
    std::string value;
};

std::string BTree(unsigned flags, unsigned pageSize, const std::string& structure,
                  const std::vector<TreeEntry>& entries, std::string* map = nullptr) {
    std::vector<std::string> pages;
    std::vector<std::string> firstKeys; // first key of each page of the level below
    std::size_t next = 0;
    std::vector<std::uint32_t> mapFirstEntry;
    do { // leaf pages, chained both ways
        std::string page;
        unsigned count = 0;
        mapFirstEntry.push_back(static_cast<std::uint32_t>(next));
        firstKeys.push_back(next < entries.size() ? entries[next].key : "");
        while (next < entries.size() &&
               8 + page.size() + entries[next].key.size() + entries[next].value.size() <= pageSize) {
            page += entries[next].key + entries[next].value;
            ++next, ++count;
        }
        if (count == 0 && next < entries.size()) throw SourceError("B+ tree entry too long");
        int index = static_cast<int>(pages.size());
        std::string header;
        Put16(header, static_cast<unsigned>(pageSize - 8 - page.size()));
        Put16(header, count);
        Put16(header, static_cast<unsigned>(index - 1));
        Put16(header, next < entries.size() ? static_cast<unsigned>(index + 1) : 0xFFFF);
        page = header + page;
        page.resize(pageSize, '\0');
        pages.push_back(page);
    } while (next < entries.size());
    if (map) {
        Put16(*map, static_cast<unsigned>(pages.size()));
        for (std::size_t i = 0; i < pages.size(); ++i) {
            Put32(*map, mapFirstEntry[i]);
            Put16(*map, static_cast<unsigned>(i));
        }
    }
    unsigned levels = 1;
    std::size_t levelStart = 0;
    while (pages.size() - levelStart > 1) { // index pages: first child, then key and child
        ++levels;
        std::size_t levelEnd = pages.size();
        std::vector<std::string> keys;
        for (std::size_t child = levelStart; child < levelEnd;) {
            std::string page;
            Put16(page, static_cast<unsigned>(child));
            keys.push_back(firstKeys[child - levelStart]);
            unsigned count = 0;
            for (++child; child < levelEnd &&
                          8 + page.size() + firstKeys[child - levelStart].size() + 2 <= pageSize;
                 ++child, ++count) {
                page += firstKeys[child - levelStart];
                Put16(page, static_cast<unsigned>(child));
            }
            std::string header;
            Put16(header, static_cast<unsigned>(pageSize - 4 - page.size()));
            Put16(header, count);
            page = header + page;
            page.resize(pageSize, '\0');
            pages.push_back(page);
        }
        firstKeys = keys;
        levelStart = levelEnd;
    }
    std::string out;
    Put16(out, 0x293B);
    Put16(out, flags);
    Put16(out, pageSize);
    std::string format = structure;
    format.resize(16, '\0');
    out += format;
    Put16(out, 0);                                                  // must be zero
    Put16(out, static_cast<unsigned>(pages.size() - levels));       // page splits
    Put16(out, static_cast<unsigned>(pages.size() - 1));            // root page
    Put16(out, 0xFFFF);                                             // must be -1
    Put16(out, static_cast<unsigned>(pages.size()));                // pages
    Put16(out, levels);
    Put32(out, static_cast<std::uint32_t>(entries.size()));
    for (const std::string& page : pages) out += page;
    return out;
}

std::string Key32(std::uint32_t value) {
    std::string key;
    Put32(key, value);
    return key;
}

// Fonts of the topics: body, bold, heading, title.
enum Font : unsigned { kBody, kBold, kHeading, kTitle };

std::string FontFile(const HelpBook& book) {
    struct Face { unsigned attributes, halfPoints; };
    const Face faces[] = {{0, 20}, {1, 20}, {1, 24}, {1, 28}}; // attribute 1: bold
    std::string out;
    Put16(out, 1);                 // face names
    Put16(out, 4);                 // descriptors
    Put16(out, 8);                 // face names at
    Put16(out, 8 + 32);            // descriptors at
    std::string name = book.fontName;
    name.resize(32, '\0');
    out += name;
    for (const Face& face : faces) {
        Put8(out, face.attributes);
        Put8(out, face.halfPoints);
        Put8(out, 3);  // family: swiss
        Put16(out, 0); // face name index
        out += std::string(6, '\0'); // black on no background
    }
    return out;
}

// A record of the |TOPIC stream: topic header (type 2) or paragraph (type 0x20).
struct Link {
    unsigned type;
    std::string data1;
    std::string data2;
    int topic; // topic index of a header; -1 for the closing header
    std::uint32_t pos = kNone;    // TOPICPOS: block * 0x4000 + offset in the block
    std::uint32_t offset = kNone; // TOPICOFFSET: block * 0x8000 + text bytes before it
};

std::string ParagraphFormat(Paragraph::Kind kind) {
    std::string out;
    Put8(out, 0x00);
    Put8(out, 0x80);
    Put16(out, 0); // paragraph id
    switch (kind) {
    case Paragraph::Kind::Heading: // space above and below
        Put16(out, 0x0006);
        PutCompressedShort(out, 12);
        PutCompressedShort(out, 4);
        break;
    case Paragraph::Kind::Bullet: // space below, left indent, hanging first line
        Put16(out, 0x0054);
        PutCompressedShort(out, 2);
        PutCompressedShort(out, 24);
        PutCompressedShort(out, -12);
        break;
    case Paragraph::Kind::Body: // space below
        Put16(out, 0x0004);
        PutCompressedShort(out, 6);
        break;
    }
    return out;
}

// Text and its commands: every NUL of data2 is answered by the next command of data1.
struct ParagraphBuilder {
    std::string commands;
    std::string text;
    unsigned font = 0xFFFF;
    void SetFont(unsigned wanted) {
        if (font == wanted) return;
        font = wanted;
        text += '\0';
        Put8(commands, 0x80);
        Put16(commands, wanted);
    }
    Link Finish(const std::string& format) {
        text += '\0';
        Put8(commands, 0x82); // end of paragraph
        text += '\0';
        Put8(commands, 0xFF); // end of commands
        std::string data1;
        PutCompressedLong(data1, static_cast<int>(format.size() + commands.size()));
        PutCompressedUShort(data1, static_cast<unsigned>(text.size()));
        return {0x20, data1 + format + commands, text, -1};
    }
};

Link TitleLink(const Topic& topic) {
    ParagraphBuilder builder;
    builder.SetFont(kTitle);
    builder.text += topic.title;
    return builder.Finish(ParagraphFormat(Paragraph::Kind::Heading));
}

Link ParagraphLink(const Paragraph& paragraph) {
    ParagraphBuilder builder;
    unsigned base = paragraph.kind == Paragraph::Kind::Heading ? kHeading : kBody;
    builder.SetFont(base);
    if (paragraph.kind == Paragraph::Kind::Bullet) builder.text += "\x81\x45"; // "・"
    for (const Run& run : paragraph.runs) {
        builder.SetFont(run.kind == Run::Kind::Bold ? kBold : base);
        if (run.kind == Run::Kind::Link) {
            builder.text += '\0';
            Put8(builder.commands, 0xE3); // jump to the topic of a context hash
            Put32(builder.commands, static_cast<std::uint32_t>(ContextHash(run.target)));
            builder.text += run.text;
            builder.text += '\0';
            Put8(builder.commands, 0x89); // end of hot spot
        } else {
            builder.text += run.text;
        }
    }
    return builder.Finish(ParagraphFormat(paragraph.kind));
}

std::vector<Link> TopicLinks(const HelpBook& book) {
    std::vector<Link> links;
    for (std::size_t i = 0; i < book.topics.size(); ++i) {
        const Topic& topic = book.topics[i];
        links.push_back({0x02, std::string(28, '\0'), topic.title, static_cast<int>(i)});
        links.push_back(TitleLink(topic));
        for (const Paragraph& paragraph : topic.paragraphs) links.push_back(ParagraphLink(paragraph));
    }
    links.push_back({0x02, std::string(28, '\0'), "", -1}); // closes the last topic
    return links;
}

// Writes the links into 4096-byte blocks, each with its 12-byte header. A link header
// and its data1 stay in one block; data2 may run on into the next.
class TopicStream {
public:
    std::string out;

    void WriteLink(Link& link, const std::string& header) {
        if (remaining_ < kLinkHeader + static_cast<int>(link.data1.size())) NewBlock();
        link.pos = static_cast<std::uint32_t>(block_ * 0x4000 + kTopicBlockSize - remaining_);
        link.offset = static_cast<std::uint32_t>(block_ * 0x8000 + textBytes_);
        if (firstLinkField_ != std::string::npos) {
            Patch32(out, firstLinkField_, link.pos);
            firstLinkField_ = std::string::npos;
        }
        Write(header);
        Write(link.data1);
        if (link.type != 0x02) textBytes_ += static_cast<int>(link.data2.size());
        Write(link.data2);
        lastLink_ = link.pos;
        if (link.type == 0x02) lastHeader_ = link.pos;
    }
    void Close() { out.resize(out.size() + remaining_, '\0'); }

private:
    int block_ = -1;
    int remaining_ = 0;
    int textBytes_ = 0;
    std::uint32_t lastLink_ = kNone;
    std::uint32_t lastHeader_ = 0;
    std::size_t firstLinkField_ = std::string::npos;

    void NewBlock() {
        out.resize(out.size() + remaining_, '\0');
        ++block_;
        remaining_ = kTopicBlockSize - kTopicBlockHeader;
        textBytes_ = 0;
        Put32(out, lastLink_);
        firstLinkField_ = out.size();
        Put32(out, kNone);
        Put32(out, lastHeader_);
    }
    void Write(const std::string& bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            if (remaining_ == 0) NewBlock();
            std::size_t part = std::min<std::size_t>(remaining_, bytes.size() - done);
            out.append(bytes, done, part);
            done += part;
            remaining_ -= static_cast<int>(part);
        }
    }
};

std::string LinkHeader(const std::vector<Link>& links, std::size_t i) {
    const Link& link = links[i];
    std::string header;
    Put32(header, static_cast<std::uint32_t>(kLinkHeader + link.data1.size() + link.data2.size()));
    Put32(header, static_cast<std::uint32_t>(link.data2.size()));
    Put32(header, i > 0 ? links[i - 1].pos : kNone);
    Put32(header, i + 1 < links.size() ? links[i + 1].pos : kNone);
    Put32(header, static_cast<std::uint32_t>(kLinkHeader + link.data1.size()));
    Put8(header, link.type);
    return header;
}

// Topic header data1: size of the topic's records, browse sequence (none), topic number,
// non-scrolling region (none), first scrolling paragraph, next topic header.
void FillTopicHeaders(std::vector<Link>& links) {
    for (std::size_t i = 0; i < links.size(); ++i) {
        Link& link = links[i];
        if (link.type != 0x02 || link.topic < 0) continue;
        std::uint32_t size = 0;
        std::size_t next = i + 1;
        for (; links[next].type != 0x02; ++next)
            size += static_cast<std::uint32_t>(kLinkHeader + links[next].data1.size() +
                                               links[next].data2.size());
        std::string data;
        Put32(data, size);
        Put32(data, kNone);
        Put32(data, kNone);
        Put32(data, static_cast<std::uint32_t>(link.topic));
        Put32(data, kNone);
        Put32(data, links[i + 1].pos);
        Put32(data, links[next].topic >= 0 ? links[next].pos : kNone);
        link.data1 = data;
    }
}

std::string TopicFile(std::vector<Link>& links) {
    TopicStream layout; // positions depend on sizes only
    for (std::size_t i = 0; i < links.size(); ++i) layout.WriteLink(links[i], std::string(kLinkHeader, '\0'));
    FillTopicHeaders(links);
    TopicStream stream;
    for (std::size_t i = 0; i < links.size(); ++i) stream.WriteLink(links[i], LinkHeader(links, i));
    stream.Close();
    return stream.out;
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
    Put16(out, 0);      // topic blocks not compressed
    SystemRecord(out, 9, std::string("\0\0\0\0\0\0\0\0\x11\x04", 10)); // LCID 0x0411, Japanese
    SystemRecord(out, 11, std::string("\x80\0\0\x02\0", 5));          // SHIFTJIS_CHARSET
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
        entries.push_back({Key32(static_cast<std::uint32_t>(hashes[i].first)), Key32(hashes[i].second)});
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
        for (std::uint32_t offset : offsets) Put32(data, offset);
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
        if (c >= 'A' && c <= 'Z') value = c - 'A' + 17;
        else if (c >= 'a' && c <= 'z') value = c - 'a' + 17;
        else if (c >= '1' && c <= '9') value = c - '0';
        else if (c == '0') value = 10;
        else if (c == '.') value = 12;
        else if (c == '_') value = 13;
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
        directory.push_back({name + '\0', Key32(static_cast<std::uint32_t>(headerSize + body.size()))});
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
