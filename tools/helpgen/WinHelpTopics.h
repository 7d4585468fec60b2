#pragma once
// The |TOPIC stream of the .hlp file: a topic header and the paragraphs of every topic of
// the book, in 4096-byte blocks.
#include "tools/helpgen/HelpBook.h"
#include "tools/helpgen/WinHelpBytes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace helpgen::winhelp {

// A record of the |TOPIC stream: topic header (type 2) or paragraph (type 0x20).
struct Link {
    unsigned type;
    std::string data1;
    std::string data2;
    int topic;                    // topic index of a header; -1 for the closing header
    std::uint32_t pos = kNone;    // TOPICPOS: block * 0x4000 + offset in the block
    std::uint32_t offset = kNone; // TOPICOFFSET: block * 0x8000 + text bytes before it
};

// The records of the book's topics, closed by a header that belongs to no topic.
std::vector<Link> TopicLinks(const HelpBook& book);

// The |TOPIC file of `links`; sets each link's pos and offset.
std::string TopicFile(std::vector<Link>& links);

} // namespace helpgen::winhelp
