#include "framework/DataExchange.h"

#include "framework/Seam.h"
#include "text/Number.h"

#include <cstdio>
#include <vector>

namespace framework {

namespace {

const char kNotInteger[] = "整数を入力してください。";
const char kOutOfRange[] = "%d から %d までの整数を入力してください。";
const char kTooLong[] = "%u 文字以内で入力してください。";

std::string messageTitle;

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

void SetMessageTitle(const char* title) {
    messageTitle = title;
}
const char* MessageTitle() {
    return messageTitle.c_str();
}

void SetRadioIndex(HWND dialog, int firstId, int secondId, int index) {
    CheckDlgButton(dialog, firstId, index == 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, secondId, index == 1 ? BST_CHECKED : BST_UNCHECKED);
}

int GetRadioIndex(HWND dialog, int firstId, int secondId) {
    if (IsDlgButtonChecked(dialog, firstId) == BST_CHECKED) return 0;
    if (IsDlgButtonChecked(dialog, secondId) == BST_CHECKED) return 1;
    return -1;
}

void SetCheck(HWND dialog, int id, int checked) {
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

int GetCheck(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0;
}

void SetListText(HWND dialog, int id, const std::string& text) {
    HWND list = GetDlgItem(dialog, id);
    LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
    for (int index = 0; index < count; ++index) {
        if (ItemText(list, index) == text) {
            SendMessageA(list, CB_SETCURSEL, index, 0);
            return;
        }
    }
}

std::string GetListText(HWND dialog, int id) {
    HWND list = GetDlgItem(dialog, id);
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
    SetDlgItemInt(dialog, id, value, TRUE);
}

std::string GetText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    std::vector<char> text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    return text.data();
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
    Ui().ShowMessage(MessageOwner(dialog), message.c_str(), MessageTitle(),
                     MB_OK | MB_ICONEXCLAMATION);
    HWND control = GetDlgItem(dialog, id);
    SetFocus(control);
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    if (lstrcmpiA(className, "Edit") == 0) SendMessageA(control, EM_SETSEL, 0, -1);
}

} // namespace framework
