#pragma once
// Moving values between a dialog's controls and plain members, both ways, with the
// checks and messages of the exchange. A failed check shows its message (exclamation
// icon, the application's message title), gives the control the focus, selects all
// of an edit's text and returns false.
#include <windows.h>

#include <cstddef>
#include <string>

namespace framework {

// The control `id` of `dialog`, as GetDlgItem finds it, remembered after the first
// search: under Wine each GetDlgItem is a request to the window server, and one
// data-check reads every control of six pages. UI thread only.
HWND Control(HWND dialog, int id);
// Sends `message` to the control `id` of `dialog`.
LRESULT SendTo(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// The title of the exchange messages (each program sets its own at start-up).
void SetMessageTitle(const char* title);
const char* MessageTitle();

// Two-button radio groups: 0 for the first button, 1 for the second, -1 for none.
void SetRadioIndex(HWND dialog, int firstId, int secondId, int index);
int GetRadioIndex(HWND dialog, int firstId, int secondId);

void SetCheck(HWND dialog, int id, int checked);
int GetCheck(HWND dialog, int id);

// Drop-down lists by item text: selects the item whose text is exactly `text`
// (byte for byte); leaves the selection alone when there is none.
void SetListText(HWND dialog, int id, const std::string& text);
// The selected item's text, empty when nothing is selected.
std::string GetListText(HWND dialog, int id);
// The list text, refused when longer than `limit` bytes of code page 932.
bool GetListText(HWND dialog, int id, std::size_t limit, std::string& text);

// Integer edits.
void SetInt(HWND dialog, int id, int value);
// Refuses a text that is no decimal integer ("整数を入力してください。").
bool GetInt(HWND dialog, int id, int& value);
// Also refuses a value outside min..max ("%1 から %2 までの整数を入力してください。").
bool GetInt(HWND dialog, int id, int min, int max, int& value);

std::string GetText(HWND dialog, int id);
void SetText(HWND dialog, int id, const char* text);
// The edit's signed number as the system reads it, 0 when its text holds none.
int SystemInt(HWND dialog, int id);

// Shows `message` for control `id` and gives it the focus (all text selected).
void FailControl(HWND dialog, int id, const std::string& message);

} // namespace framework
