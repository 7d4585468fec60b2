#pragma once
// Moved to the portable core: include help/HelpFile.h instead.
#include "help/HelpFile.h"
