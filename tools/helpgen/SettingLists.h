#pragma once
// The item lists of the setting pages, by the names the help sources use in {list:NAME}
// and {range:NAME}: the program's own text tables, CP932 as the program uses them.
#include "tools/helpgen/HelpBook.h"

namespace helpgen {

ListTable SettingLists();

} // namespace helpgen
