// e2e round trip: starts the target, finds its window by exact Japanese title, clicks
// its button, checks the message box byte for byte in CP932, presses OK and checks the
// exit code. Proves the driving technique the program e2e tests are built on, and that
// the prefix plays the Japanese system of the wanted family (platform id 1: Windows 9x,
// 2: NT) the tests mean it to.
// Usage: e2e_driver.exe TARGET-EXE PLATFORM-ID
#include "tests/e2e/Driver.h"

#include <cstdio>
#include <cstdlib>

// The texts below must be CP932 at run time: "表" ends in the trail byte 0x5C.
static_assert(sizeof("表") == 3 && "表"[0] == '\x95' && "表"[1] == '\x5C',
              "narrow literals must be compiled to CP932");

namespace {

const int kButtonId = 100;

void CheckSystem(e2e::Checks& checks, DWORD platformId) {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    checks.That(GetVersionExA(&version) != FALSE, "GetVersionExA");
    checks.Equal("platform id", platformId, version.dwPlatformId);
    checks.Equal("ANSI code page", 932, GetACP());
    checks.Equal("user locale", 0x0411, GetUserDefaultLCID());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: e2e_driver.exe TARGET-EXE PLATFORM-ID\n");
        return 2;
    }
    e2e::Checks checks;
    CheckSystem(checks, std::strtoul(argv[2], nullptr, 10));
    e2e::Process target;
    if (!checks.That(target.Start(std::string("\"") + argv[1] + "\""), "target starts"))
        return checks.Result();
    // The window exists before its button does, and before it is shown.
    HWND window = e2e::WaitForWindow({target.Id(), "TbE2eTarget", "テスト用ウィンドウ", kButtonId});
    if (!checks.That(window != nullptr, "window with its button found by its exact title"))
        return checks.Result();
    checks.That(e2e::ClickDialogButton(window, kButtonId), "button clicked");

    HWND box = e2e::WaitForWindow({target.Id(), "#32770", nullptr, IDOK, true});
    if (!checks.That(box != nullptr, "message box appears")) return checks.Result();
    checks.Equal("message box caption", "確認", e2e::WindowText(box));
    checks.Equal("message box text", "ボタンが押されました。表示", e2e::MessageBoxText(box));
    checks.That(e2e::ClickDialogButton(box, IDOK), "OK pressed");

    DWORD exitCode = 0;
    if (checks.That(target.WaitForExit(e2e::kDefaultWait, &exitCode), "target exits"))
        checks.Equal("exit code", 42, exitCode);
    return checks.Result();
}
