#pragma once
// The HTML Help project of a help book, for the compiler chmcmd: one page per topic, the
// contents tree (.hhc), the index (.hhk) and the project file (.hhp), all Shift_JIS.
#include "tools/helpgen/HelpBook.h"

#include <map>
#include <string>

namespace helpgen {

// File name to content; `baseName` names the project, contents, index and .chm files.
std::map<std::string, std::string> HtmlHelpProject(const HelpBook& book, const std::string& baseName);

} // namespace helpgen
