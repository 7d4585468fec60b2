#pragma once
// The B+ trees of the .hlp file: its directory of internal files, |CONTEXT, |TTLBTREE
// and the keyword tree.
#include <string>
#include <vector>

namespace helpgen::winhelp {

// One B+ tree: leaf entries (key then value) in key order, index pages above them.
struct TreeEntry {
    std::string key;
    std::string value;
};

// The tree file: header, leaf pages chained both ways, index pages above them. `flags`,
// `pageSize` and `structure` (the entries' format) go into the header; `map`, when given,
// receives each leaf page's first entry number (|KWMAP).
std::string BTree(unsigned flags, unsigned pageSize, const std::string& structure,
                  const std::vector<TreeEntry>& entries, std::string* map = nullptr);

} // namespace helpgen::winhelp
