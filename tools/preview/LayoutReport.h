#pragma once
// The layout check of preview: every control of a dialog whose text does not fit its box,
// that reaches outside the dialog or overlaps another, every radio button that is not one
// of a closed pair and every up-down control not bound to the edit before it.
#include <windows.h>

// Prints the report of `dialog` (made from template `templateId`) to standard output,
// with every measurement when `verbose`; returns the number of problems.
int ReportLayout(HWND dialog, UINT templateId, bool verbose);
