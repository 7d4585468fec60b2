// The version-information dialog: its texts, and the four ways to close it.
#include "app/CDlg_About.h"
#include "tests/win/UiScript.h"

#include <functional>

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

const char kTitle[] = "バージョン情報";

HWND AboutWindow() {
    return FindWindowA("#32770", kTitle);
}

std::vector<std::string> StaticTexts(HWND dialog) {
    std::vector<std::string> texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = {};
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, "Static") == 0) texts.push_back(wintest::WindowText(child));
    }
    return texts;
}

// Runs the dialog, checks it is up, closes it with `close`; the dialog's result.
INT_PTR RunAndClose(const std::function<void(HWND)>& close, bool* wasShown) {
    CDlg_About about;
    return wintest::RunInModalLoop([&] { return about.DoModal(nullptr); },
                                   {[&] {
                                       HWND dialog = AboutWindow();
                                       *wasShown = dialog && IsWindowVisible(dialog);
                                       if (dialog) close(dialog);
                                   }});
}

} // namespace

TEST(AboutDialog, ShowsProductAndVersion) {
    std::vector<std::string> texts;
    CDlg_About about;
    wintest::RunInModalLoop([&] { return about.DoModal(nullptr); },
                            {[&] {
                                HWND dialog = AboutWindow();
                                ASSERT_NE(nullptr, dialog);
                                texts = StaticTexts(dialog);
                                EXPECT_NE(nullptr, GetDlgItem(dialog, IDOK));
                                PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                            }});
    auto has = [&](const char* text) {
        for (const std::string& shown : texts)
            if (shown == text) return true;
        return false;
    };
    EXPECT_TRUE(has("Corvane K42"));
    EXPECT_TRUE(has("チューンボード"));
    EXPECT_TRUE(has("Version 2.000"));
    EXPECT_EQ(nullptr, AboutWindow());
}

TEST(AboutDialog, ClosesWithOkEnterEscapeAndTheCloseBox) {
    struct Way {
        const char* name;
        std::function<void(HWND)> close;
        INT_PTR result;
    };
    const std::vector<Way> ways = {
        {"OK", [](HWND d) { PostMessageA(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                                          reinterpret_cast<LPARAM>(GetDlgItem(d, IDOK))); }, IDOK},
        {"Enter", [](HWND d) { SetForegroundWindow(d); wintest::PressKey(VK_RETURN); }, IDOK},
        {"Escape", [](HWND d) { SetForegroundWindow(d); wintest::PressKey(VK_ESCAPE); }, IDCANCEL},
        {"close box", [](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
    };
    for (const Way& way : ways) {
        bool wasShown = false;
        EXPECT_EQ(way.result, RunAndClose(way.close, &wasShown)) << way.name;
        EXPECT_TRUE(wasShown) << way.name;
        EXPECT_EQ(nullptr, AboutWindow()) << way.name;
    }
}
