#include "framework/Dialog.h"

namespace framework {

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

bool Dialog::OnCommand(int id, int code, HWND control) {
    // A modal dialog ends on OK and Cancel unless its class decides otherwise.
    if (modal && (id == IDOK || id == IDCANCEL)) {
        End(id);
        return true;
    }
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
    INT_PTR result = self->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        self->hwnd = nullptr;
    }
    return result;
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        FillInitialLists();
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY: {
        LRESULT answer = 0;
        if (!OnNotify(reinterpret_cast<NMHDR*>(lParam), answer)) return FALSE;
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, answer);
        return TRUE;
    }
    default: {
        INT_PTR answer = FALSE;
        return OnMessage(message, wParam, lParam, answer) ? answer : FALSE;
    }
    }
}

} // namespace framework
