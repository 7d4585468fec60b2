#include "tools/helpgen/WinHelpTopics.h"

#include "tools/helpgen/WinHelpFile.h"

#include <algorithm>

namespace helpgen::winhelp {

namespace {

const int kTopicBlockSize = 4096;
const int kTopicBlockHeader = 12;
const int kLinkHeader = 21;

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
    PutCompressedUShort(out, static_cast<unsigned>(
                                 value >= -0x40 && value <= 0x3F ? value + 0x40 : value + 0x4000));
}
void PutCompressedLong(std::string& out, int value) {
    if (value < -0x4000 || value > 0x3FFF) throw SourceError("paragraph record too long");
    Put16(out, static_cast<unsigned>(value + 0x4000) * 2);
}

// Fonts of the topics: body, bold, heading, title.
enum Font : unsigned { kBody, kBold, kHeading, kTitle };

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

} // namespace

std::vector<Link> TopicLinks(const HelpBook& book) {
    std::vector<Link> links;
    for (std::size_t i = 0; i < book.topics.size(); ++i) {
        const Topic& topic = book.topics[i];
        links.push_back({0x02, std::string(28, '\0'), topic.title, static_cast<int>(i)});
        links.push_back(TitleLink(topic));
        for (const Paragraph& paragraph : topic.paragraphs)
            links.push_back(ParagraphLink(paragraph));
    }
    links.push_back({0x02, std::string(28, '\0'), "", -1}); // closes the last topic
    return links;
}

std::string TopicFile(std::vector<Link>& links) {
    TopicStream layout; // positions depend on sizes only
    for (std::size_t i = 0; i < links.size(); ++i)
        layout.WriteLink(links[i], std::string(kLinkHeader, '\0'));
    FillTopicHeaders(links);
    TopicStream stream;
    for (std::size_t i = 0; i < links.size(); ++i)
        stream.WriteLink(links[i], LinkHeader(links, i));
    stream.Close();
    return stream.out;
}

} // namespace helpgen::winhelp
