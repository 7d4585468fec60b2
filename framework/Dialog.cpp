#include "framework/Dialog.h"

#include <algorithm>

namespace framework {

namespace {

// The framework's own message behind EndFromWorker.
UINT EndMessage() {
    static const UINT message = RegisterWindowMessageA("framework.Dialog.End");
    return message;
}

// The messages whose answer Windows takes from the dialog procedure's return value;
// every other answer must be in DWLP_MSGRESULT, with TRUE returned.
bool AnswersByReturnValue(UINT message) {
    switch (message) {
    case WM_INITDIALOG:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_QUERYNEWPALETTE:
        return true;
    default:
        return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
    }
}

} // namespace

Dialog::Dialog(UINT templateId, HINSTANCE module)
    : templateId(templateId), module(module ? module : GetModuleHandleA(nullptr)) {}

Dialog::~Dialog() {
    if (hwnd && !modal) DestroyWindow(hwnd);
}

INT_PTR Dialog::DoModal(HWND parent) {
    modal = true;
    ended = false;
    result = -1;
    bool disableOwner = parent && IsWindowEnabled(parent);
    if (!CreateDialogParamA(module, MAKEINTRESOURCEA(templateId), parent, DialogProc,
                            reinterpret_cast<LPARAM>(this))) {
        return -1;
    }
    if (disableOwner) EnableWindow(parent, FALSE);
    // A dialog that ended while it was being created was never shown: the owner keeps
    // whatever activation it had.
    bool shown = !ended;
    if (shown) {
        ShowWindow(hwnd, SW_SHOWNORMAL);
        RunModalLoop();
    }
    if (disableOwner) EnableWindow(parent, TRUE);
    if (shown && parent) SetActiveWindow(parent);
    if (hwnd) DestroyWindow(hwnd);
    return result;
}

void Dialog::RunModalLoop() {
    MSG message;
    while (!ended) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (PreTranslateMessage(message)) continue;
        if (hwnd && IsDialogMessageA(hwnd, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

HWND Dialog::Create(HWND parent) {
    modal = false;
    return CreateDialogParamA(module, MAKEINTRESOURCEA(templateId), parent, DialogProc,
                              reinterpret_cast<LPARAM>(this));
}

void Dialog::End(INT_PTR value) {
    if (!hwnd) return;
    if (modal) {
        // The modal loop notices the end and destroys the window.
        ended = true;
        result = value;
        PostMessageA(hwnd, WM_NULL, 0, 0);
    } else {
        DestroyWindow(hwnd);
    }
}

void Dialog::EndFromWorker(HWND window, INT_PTR value) {
    SendMessageA(window, EndMessage(), 0, static_cast<LPARAM>(value));
}

void Dialog::AddMessageHook(MessageHook* hook) {
    hooks.push_back(hook);
}

void Dialog::RemoveMessageHook(MessageHook* hook) {
    hooks.erase(std::remove(hooks.begin(), hooks.end(), hook), hooks.end());
}

void Dialog::OnOK() {
    End(IDOK);
}

void Dialog::OnCancel() {
    End(IDCANCEL);
}

bool Dialog::OnCommand(int id, int code, HWND control) {
    // Commands of its own controls stay with the dialog; program commands such as
    // the data-check command go on to the parent.
    return control ? false : RouteToParent(id, code, control);
}

bool Dialog::OnNotify(NMHDR*, LRESULT&) {
    return false;
}

bool Dialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) {
    return false;
}

const ListItems* Dialog::InitialLists(std::size_t& count) const {
    count = 0;
    return nullptr;
}

bool Dialog::RouteToParent(int id, int code, HWND control) {
    if (!(GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)) return false;
    HWND parent = GetParent(hwnd);
    if (!parent) return false;
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
    return true;
}

void Dialog::FillInitialLists() {
    std::size_t lists = 0;
    const ListItems* table = InitialLists(lists);
    for (std::size_t i = 0; i < lists; ++i) {
        HWND list = Item(table[i].controlId);
        for (std::size_t k = 0; k < table[i].count; ++k) {
            SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(table[i].items[k]));
        }
    }
}

bool Dialog::IsTopLevel() const {
    return !(GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD);
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd = window;
        SetWindowLongPtrA(window, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    if (!self) return FALSE;
    INT_PTR result = self->Dispatch(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        self->hwnd = nullptr;
    }
    return result;
}

INT_PTR Dialog::Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR answer = 0;
    bool handled = false;
    if (message == EndMessage()) {
        End(static_cast<INT_PTR>(lParam));
        handled = true;
    }
    // Hooks may remove themselves while they run: the index is checked every time.
    for (std::size_t i = 0; !handled && i < hooks.size(); ++i) {
        LRESULT hooked = 0;
        handled = hooks[i]->OnHookedMessage(window, message, wParam, lParam, hooked);
        answer = static_cast<INT_PTR>(hooked);
    }
    if (!handled) handled = HandleMessage(message, wParam, lParam, answer);
    if (!handled) return FALSE;
    if (AnswersByReturnValue(message)) return answer;
    SetWindowLongPtrA(window, DWLP_MSGRESULT, answer);
    return TRUE;
}

bool Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& answer) {
    switch (message) {
    case WM_INITDIALOG:
        FillInitialLists();
        answer = OnInitDialog();
        return true;
    case WM_COMMAND:
        return HandleCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CLOSE:
        // The close box: the system would turn it into a Cancel command; OnCancel
        // sees it directly instead, once.
        if (!IsTopLevel()) return false;
        OnCancel();
        return true;
    case WM_NOTIFY: {
        LRESULT notified = 0;
        if (!OnNotify(reinterpret_cast<NMHDR*>(lParam), notified)) return false;
        answer = static_cast<INT_PTR>(notified);
        return true;
    }
    default:
        return OnMessage(message, wParam, lParam, answer);
    }
}

bool Dialog::HandleCommand(int id, int code, HWND control) {
    // Buttons, Enter, Escape and menus send code 0, accelerators 1.
    bool clicked = code == BN_CLICKED || code == 1;
    if (clicked && (id == IDOK || id == IDCANCEL) && IsTopLevel()) {
        if (id == IDOK) {
            OnOK();
        } else {
            OnCancel();
        }
        return true;
    }
    return OnCommand(id, code, control);
}

} // namespace framework
