// The folder browser's callback, run in-process on a stand-in for the browser window
// while the seam shows the browser: what it selects, shows and enables.
#include "installer/win32/FolderBrowser.h"
#include "tests/win/UiScript.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <vector>

namespace {

// What the callback asked of the browser: the message and its text or number.
std::vector<std::pair<UINT, std::string>> asked;

LRESULT CALLBACK StandIn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == BFFM_SETSELECTIONA || message == BFFM_SETSTATUSTEXTA) {
        asked.emplace_back(message, reinterpret_cast<const char*>(lParam));
        return 0;
    }
    if (message == BFFM_ENABLEOK) {
        asked.emplace_back(message, std::to_string(lParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Tells the callback that the browser selected `path`.
void Select(const BROWSEINFOA& request, HWND browser, const std::string& path) {
    std::wstring wide(path.begin(), path.end());
    PIDLIST_ABSOLUTE item = nullptr;
    ASSERT_EQ(S_OK, SHParseDisplayName(wide.c_str(), nullptr, &item, 0, nullptr)) << path;
    request.lpfn(browser, BFFM_SELCHANGED, reinterpret_cast<LPARAM>(item), request.lParam);
    CoTaskMemFree(item);
}

TEST(InstallerFolderBrowser, OpensOnTheProposalAndOffersOkOnlyForAUsableFolder) {
    char temporary[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temporary);
    std::string usable = std::string(temporary) + "TBBROWSE", hidden = usable + "\\HIDDEN";
    CreateDirectoryA(usable.c_str(), nullptr);
    CreateDirectoryA(hidden.c_str(), nullptr);
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    WNDCLASSA type = {};
    type.lpfnWndProc = StandIn;
    type.lpszClassName = "TbBrowserStandIn";
    RegisterClassA(&type);
    HWND browser =
        CreateWindowA(type.lpszClassName, "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    wintest::RecordingUi ui;
    ui.files = {usable};
    ui.browse = [&](const BROWSEINFOA& request) {
        EXPECT_EQ("インストール先のフォルダを選択してください。", std::string(request.lpszTitle));
        EXPECT_EQ(UINT(BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT), request.ulFlags);
        request.lpfn(browser, BFFM_INITIALIZED, 0, request.lParam);
        Select(request, browser, usable);
        Select(request, browser, hidden);
    };
    EXPECT_EQ(usable, installer_win32::BrowseForFolder(nullptr, "C:\\Program Files\\TB"));
    const std::vector<std::pair<UINT, std::string>> expected = {
        {BFFM_SETSELECTIONA, "C:\\Program Files\\TB"},
        {BFFM_SETSTATUSTEXTA, usable},
        {BFFM_ENABLEOK, "1"},
        {BFFM_SETSTATUSTEXTA, hidden},
        {BFFM_ENABLEOK, "0"}};
    EXPECT_EQ(expected, asked);
    ui.files = {""};
    EXPECT_EQ("", installer_win32::BrowseForFolder(nullptr, usable));
    DestroyWindow(browser);
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(hidden.c_str());
    RemoveDirectoryA(usable.c_str());
}

} // namespace
