// Target of the e2e round trip: a window with a Japanese title, a label and a button.
// The button shows a message box; after OK the program ends with exit code 42.
#include <windows.h>

namespace {

const char kClassName[] = "TbE2eTarget";
const int kButtonId = 100;
const int kExitCode = 42;

HFONT DialogFont() {
    // The face Japanese dialogs name; the prefix maps it to an installed font.
    static HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                    0, 0, 0, 0, "ＭＳ Ｐゴシック");
    return font;
}

void AddChild(HWND parent, const char* className, const char* text, DWORD style, int y, int id) {
    HWND child =
        CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 20, y, 260, 28, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        AddChild(window, "STATIC", "日本語の表示テスト：ソ・能・表", 0, 20, -1);
        AddChild(window, "BUTTON", "押してください", BS_PUSHBUTTON, 60, kButtonId);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) != kButtonId) break;
        MessageBoxA(window, "ボタンが押されました。表示", "確認", MB_OK | MB_ICONINFORMATION);
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(kExitCode);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass)) return 1;
    HWND window =
        CreateWindowExA(0, kClassName, "テスト用ウィンドウ", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 320, 160, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, show);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
