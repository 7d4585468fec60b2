#pragma once
// The settings block as text for reading and editing by hand: INI-like sections of
// "key = value" lines, one per setting, with the page's label and text in a comment.
// docs/k42-text-form.md describes the form.
#include "settings/SettingsBlock.h"

#include <string>

namespace cli {

// Every setting of the block; a setting that holds a code no page shows is written as
// "raw:" and its code, and the bytes no page edits only where they differ from the
// factory block. ExportText then ImportText gives the block back byte for byte.
std::string ExportText(const settings::SettingsBlock& block);

// Reads a text of that form into `block`. Every value is checked against the page's list
// or range; every setting must be given once, except those that ExportText may leave out
// (they then keep the factory value). On the first fault returns false with a message
// naming `source`, the line and the setting, and leaves `block` untouched.
bool ImportText(const std::string& text, const std::string& source, settings::SettingsBlock& block,
                std::string& error);

} // namespace cli
