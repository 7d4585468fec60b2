#pragma once
// Windows Help files of a help book: the .hlp file in the Windows Help 4.0 layout (read
// by Windows Help of Windows 95 and NT 4.0) and the contents file (.cnt) that the help
// topics dialog shows.
#include "tools/helpgen/HelpBook.h"

#include <cstdint>
#include <string>

namespace helpgen {

// The hash under which Windows Help finds the topic of a context name.
std::int32_t ContextHash(const std::string& name);

// The .hlp file: internal file system with its directory B+ tree, |SYSTEM (title,
// contents topic, Japanese locale and charset), |FONT, |TOPIC (uncompressed), |CONTEXT,
// |TTLBTREE, |CTXOMAP and the keyword index (|KWBTREE, |KWDATA, |KWMAP).
std::string WinHelpFile(const HelpBook& book, std::uint32_t generatedAt);

// The .cnt file for `hlpName`: the contents tree, a book for every topic with children.
std::string WinHelpContents(const HelpBook& book, const std::string& hlpName);

} // namespace helpgen
