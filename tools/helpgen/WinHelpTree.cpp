#include "tools/helpgen/WinHelpTree.h"

#include "tools/helpgen/HelpBook.h"
#include "tools/helpgen/WinHelpBytes.h"

namespace helpgen::winhelp {

namespace {

// A page: its header, then its entries, padded with zeros to the page size.
std::string Page(const std::string& header, const std::string& entries, unsigned pageSize) {
    std::string page = header + entries;
    page.resize(pageSize, '\0');
    return page;
}

// The pages of one tree: the leaves, then each level of index pages above the one before.
struct TreePages {
    unsigned pageSize;
    std::vector<std::string> pages;
    std::vector<std::string> firstKeys; // first key of each page of the level last added
    unsigned levels = 1;

    // The leaf pages, chained both ways; returns the number of each page's first entry.
    std::vector<std::uint32_t> AddLeaves(const std::vector<TreeEntry>& entries) {
        std::size_t next = 0;
        std::vector<std::uint32_t> firstEntries;
        do {
            std::string page;
            unsigned count = 0;
            firstEntries.push_back(static_cast<std::uint32_t>(next));
            firstKeys.push_back(next < entries.size() ? entries[next].key : "");
            while (next < entries.size() &&
                   8 + page.size() + entries[next].key.size() + entries[next].value.size() <=
                       pageSize) {
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
            pages.push_back(Page(header, page, pageSize));
        } while (next < entries.size());
        return firstEntries;
    }

    // One level of index pages above the pages from `levelStart` on: first child, then key
    // and child.
    void AddIndexLevel(std::size_t levelStart) {
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
            pages.push_back(Page(header, page, pageSize));
        }
        firstKeys = keys;
    }
};

} // namespace

std::string BTree(unsigned flags, unsigned pageSize, const std::string& structure,
                  const std::vector<TreeEntry>& entries, std::string* map) {
    TreePages tree{pageSize, {}, {}};
    std::vector<std::uint32_t> firstEntries = tree.AddLeaves(entries);
    if (map) {
        Put16(*map, static_cast<unsigned>(tree.pages.size()));
        for (std::size_t i = 0; i < tree.pages.size(); ++i) {
            Put32(*map, firstEntries[i]);
            Put16(*map, static_cast<unsigned>(i));
        }
    }
    for (std::size_t levelStart = 0; tree.pages.size() - levelStart > 1;) {
        std::size_t levelEnd = tree.pages.size();
        tree.AddIndexLevel(levelStart);
        levelStart = levelEnd;
    }
    const std::vector<std::string>& pages = tree.pages;
    std::string out;
    Put16(out, 0x293B);
    Put16(out, flags);
    Put16(out, pageSize);
    std::string format = structure;
    format.resize(16, '\0');
    out += format;
    Put16(out, 0);                                                 // must be zero
    Put16(out, static_cast<unsigned>(pages.size() - tree.levels)); // page splits
    Put16(out, static_cast<unsigned>(pages.size() - 1));           // root page
    Put16(out, 0xFFFF);                                            // must be -1
    Put16(out, static_cast<unsigned>(pages.size()));               // pages
    Put16(out, tree.levels);
    Put32(out, static_cast<std::uint32_t>(entries.size()));
    for (const std::string& page : pages)
        out += page;
    return out;
}

} // namespace helpgen::winhelp
