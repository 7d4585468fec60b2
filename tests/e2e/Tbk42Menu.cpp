// The icon menu from outside: a popup of the menu bar opened by its mnemonic, as the
// user opens it, held open for a screenshot and closed again.
#include "tests/e2e/Tbk42Scenarios.h"

#include <cstdlib>

namespace tbk42 {

namespace {

const char kPopupClass[] = "#32768";

} // namespace

void OpenMenu(e2e::Checks& checks, const Args& args) {
    App app(checks);
    if (!app.Start(args[0])) return;
    const WORD letter = static_cast<WORD>(args[1].empty() ? 'F' : args[1][0]);
    const DWORD holdMs = static_cast<DWORD>(std::atoi(args[2].c_str())) * 1000;
    // A click on the bar item, the way the user opens it: "ファイル(&F)" is first,
    // "メニュー(&M)" second, each well under 70 pixels wide.
    // Only once the window has settled where it is shown.
    e2e::WaitUntilIdle(app.Main());
    Sleep(1500);
    POINT origin = {};
    ClientToScreen(app.Main(), &origin);
    const int x = origin.x + (letter == 'M' ? 100 : 30);
    const int y = origin.y - GetSystemMetrics(SM_CYMENU) / 2 - 2;
    SetForegroundWindow(app.Main());
    SetCursorPos(x, y);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    HWND popup = e2e::WaitForWindow({app.Id(), kPopupClass});
    if (checks.That(popup != nullptr, "the popup opens")) {
        RECT box = {};
        GetWindowRect(popup, &box);
        // Image column, text and the accelerator column: far wider than a bare text.
        checks.That(box.right - box.left > 150, "the popup is wide enough for its columns");
        Sleep(holdMs);
    }
    app.Keys({VK_ESCAPE});
    app.Keys({VK_ESCAPE});
    app.Exit();
}

} // namespace tbk42
