// benchfloor: the least a program of this kind does before its first window: it lists
// the local printers (level 2, as TBK42 does) and shows a message box. The benchmark
// starts it beside TBK42 to show the floor of a start under Wine.
#include <windows.h>

#include <vector>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    DWORD needed = 0, count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed ? needed : 1);
    EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count);
    MessageBoxA(nullptr, "printers listed", "benchfloor", MB_OK);
    return 0;
}
