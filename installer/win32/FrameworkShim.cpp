#include "installer/win32/FrameworkShim.h"

namespace installer_win32 {

namespace {
constexpr UINT kEndFromWorker = WM_APP + 0x3F0;
}

void SetupDialog::EndFromWorker(HWND window, INT_PTR result) {
    SendMessageA(window, kEndFromWorker, 0, static_cast<LPARAM>(result));
}

bool SetupDialog::OnCommand(int id, int code, HWND control) {
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return framework::Dialog::OnCommand(id, code, control);
}

bool SetupDialog::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message != kEndFromWorker) return false;
    End(static_cast<INT_PTR>(lParam));
    result = TRUE;
    return true;
}

} // namespace installer_win32
