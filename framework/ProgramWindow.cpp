#include "framework/ProgramWindow.h"

namespace framework {

bool BringToFront(const char* title) {
    HWND window = title[0] ? FindWindowA("#32770", title) : nullptr;
    if (!window) return false;
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
    return true;
}

void ProgramIcon::Apply(HWND window) const {
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

bool ProgramIcon::OnHookedMessage(HWND window, UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message == WM_QUERYDRAGICON) {
        result = reinterpret_cast<LRESULT>(big);
        return true;
    }
    if (message != WM_PAINT || !IsIconic(window)) return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    SendMessageA(window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(window, &client);
    int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, big);
    EndPaint(window, &paint);
    result = TRUE;
    return true;
}

} // namespace framework
