#pragma once
// The settings of a block as a person reads them: by page, with the pages' labels and
// texts, and the raw code where a field holds a code no page shows.
#include "settings/SettingsBlock.h"

#include <string>

namespace cli {

// Every setting by page, one line each; the bytes no page edits only where they differ
// from the factory block.
std::string ShowBlock(const settings::SettingsBlock& block);

// One line per setting whose code differs between `a` and `b`, with both values; empty
// when the blocks are equal byte for byte.
std::string DiffBlocks(const settings::SettingsBlock& a, const settings::SettingsBlock& b);

} // namespace cli
