#include "framework/DataExchange.h"

#include "framework/Seam.h"
#include "text/Number.h"

#include <cstdio>
#include <map>
#include <utility>
#include <vector>

namespace framework {

namespace {

const char kNotInteger[] = "整数を入力してください。";
const char kOutOfRange[] = "%d から %d までの整数を入力してください。";
const char kTooLong[] = "%u 文字以内で入力してください。";

std::string messageTitle;

// Controls found so far, by dialog and id. An entry is used only while its window is
// still that dialog's control with that id; the table is emptied when it has grown
// past any one program's controls (dialogs made and destroyed again leave entries).
std::map<std::pair<HWND, int>, HWND> knownControls;
constexpr std::size_t kKnownControlsLimit = 1024;

bool StillControl(HWND control, HWND dialog, int id) {
    return IsWindow(control) && GetParent(control) == dialog && GetDlgCtrlID(control) == id;
}

// The top-level window that owns the dialog's messages (a page's main window).
HWND MessageOwner(HWND dialog) {
    HWND owner = dialog;
    while (owner && (GetWindowLongA(owner, GWL_STYLE) & WS_CHILD))
        owner = GetParent(owner);
    return owner;
}

std::string ItemText(HWND list, int index) {
    LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return std::string();
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

} // namespace

HWND Control(HWND dialog, int id) {
    auto key = std::make_pair(dialog, id);
    auto known = knownControls.find(key);
    if (known != knownControls.end() && StillControl(known->second, dialog, id))
        return known->second;
    HWND control = GetDlgItem(dialog, id);
    if (!control) return nullptr;
    if (knownControls.size() >= kKnownControlsLimit) knownControls.clear();
    knownControls[key] = control;
    return control;
}

LRESULT SendTo(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(Control(dialog, id), message, wParam, lParam);
}

void SetMessageTitle(const char* title) {
    messageTitle = title;
}
const char* MessageTitle() {
    return messageTitle.c_str();
}

void SetRadioIndex(HWND dialog, int firstId, int secondId, int index) {
    SendTo(dialog, firstId, BM_SETCHECK, index == 0 ? BST_CHECKED : BST_UNCHECKED, 0);
    SendTo(dialog, secondId, BM_SETCHECK, index == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
}

int GetRadioIndex(HWND dialog, int firstId, int secondId) {
    if (SendTo(dialog, firstId, BM_GETCHECK, 0, 0) == BST_CHECKED) return 0;
    if (SendTo(dialog, secondId, BM_GETCHECK, 0, 0) == BST_CHECKED) return 1;
    return -1;
}

void SetCheck(HWND dialog, int id, int checked) {
    SendTo(dialog, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int GetCheck(HWND dialog, int id) {
    return SendTo(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void SetListText(HWND dialog, int id, const std::string& text) {
    HWND list = Control(dialog, id);
    LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
    for (int index = 0; index < count; ++index) {
        if (ItemText(list, index) == text) {
            SendMessageA(list, CB_SETCURSEL, index, 0);
            return;
        }
    }
}

std::string GetListText(HWND dialog, int id) {
    HWND list = Control(dialog, id);
    LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
    return selected == CB_ERR ? std::string() : ItemText(list, static_cast<int>(selected));
}

bool GetListText(HWND dialog, int id, std::size_t limit, std::string& text) {
    std::string selected = GetListText(dialog, id);
    if (selected.size() > limit) {
        char message[64];
        std::snprintf(message, sizeof message, kTooLong, static_cast<unsigned>(limit));
        FailControl(dialog, id, message);
        return false;
    }
    text = selected;
    return true;
}

void SetInt(HWND dialog, int id, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    SetWindowTextA(Control(dialog, id), text);
}

std::string GetText(HWND dialog, int id) {
    HWND control = Control(dialog, id);
    // One message for the short texts of these dialogs: every message to an edit with an
    // up-down buddy costs a window-server request under Wine. A text that may have been
    // cut (near the buffer's end, possibly inside a double-byte character) is asked its
    // length and read again.
    char text[64];
    int length = GetWindowTextA(control, text, sizeof text);
    if (length >= 0 && length < static_cast<int>(sizeof text) - 2) return std::string(text, length);
    std::vector<char> whole(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    GetWindowTextA(control, whole.data(), static_cast<int>(whole.size()));
    return whole.data();
}

void SetText(HWND dialog, int id, const char* text) {
    SetWindowTextA(Control(dialog, id), text);
}

int SystemInt(HWND dialog, int id) {
    BOOL ok = FALSE;
    return static_cast<int>(GetDlgItemInt(dialog, id, &ok, TRUE));
}

bool GetInt(HWND dialog, int id, int& value) {
    if (number::ParseInteger(GetText(dialog, id), value)) return true;
    FailControl(dialog, id, kNotInteger);
    return false;
}

bool GetInt(HWND dialog, int id, int min, int max, int& value) {
    int typed = 0;
    if (!GetInt(dialog, id, typed)) return false;
    if (typed < min || typed > max) {
        char message[96];
        std::snprintf(message, sizeof message, kOutOfRange, min, max);
        FailControl(dialog, id, message);
        return false;
    }
    value = typed;
    return true;
}

void FailControl(HWND dialog, int id, const std::string& message) {
    Show(MessageOwner(dialog), MessageTitle(), {message.c_str(), MB_OK | MB_ICONEXCLAMATION});
    HWND control = Control(dialog, id);
    SetFocus(control);
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    if (lstrcmpiA(className, "Edit") == 0) SendMessageA(control, EM_SETSEL, 0, -1);
}

} // namespace framework
