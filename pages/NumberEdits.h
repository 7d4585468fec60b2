#pragma once
// The number edits that the core checks while the user types: the parameter page's and
// the format dialog's.
#include "settings/EditRules.h"

#include <windows.h>

namespace pages {

// Sets the up-down control `spin` to the range of `rule`.
void SetSpinRange(HWND dialog, int spin, settings::EditRule rule);

// One run of edit `id`'s change handler: the core's check of its text, then the
// write-backs the check asks for, each of which re-enters the handler. `flag` is the
// edit's out-of-range flag, null for an edit without one.
settings::EditCheck RunEditCheck(HWND dialog, int id, settings::EditRule rule, bool* flag);

} // namespace pages
