#pragma once
// The printer's factory settings as a settings block.
#include "settings/SettingsBlock.h"

namespace settings {

// Constant-initialised, so it may be used during static initialisation.
extern const SettingsBlock FactoryBlock;

} // namespace settings
