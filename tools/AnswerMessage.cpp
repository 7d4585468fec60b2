// Presses OK on a message box of the running programs: waits up to 20 s for a visible
// dialog window whose title is the first argument, then clicks its OK button. Exit
// code 0 when it was answered, 1 when none appeared. The demo uses it so that the
// screenshot shows the program, not its first message.
#include <windows.h>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    for (int tries = 0; tries < 200; ++tries) {
        HWND box = FindWindowA("#32770", argv[1]);
        if (box && IsWindowVisible(box)) {
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
            return 0;
        }
        Sleep(100);
    }
    return 1;
}
