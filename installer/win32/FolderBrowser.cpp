#include "installer/win32/FolderBrowser.h"

#include "framework/Seam.h"
#include "installer/SetupRules.h"
#include "installer/win32/Texts.h"

#include <shlobj.h>

namespace installer_win32 {

namespace {

// Selects the proposed path (the callback's data) when the browser opens; on every
// selection shows its path and enables OK only for a folder the rules accept.
int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM lParam, LPARAM data) {
    if (message == BFFM_INITIALIZED) {
        SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, data);
    } else if (message == BFFM_SELCHANGED) {
        char path[MAX_PATH] = {};
        bool hasPath = SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(lParam), path) != FALSE;
        SendMessageA(browser, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(path));
        DWORD attributes = hasPath ? GetFileAttributesA(path) : INVALID_FILE_ATTRIBUTES;
        bool accept = hasPath && installer::BrowserMayAccept(
                                     path, attributes != INVALID_FILE_ATTRIBUTES, attributes);
        SendMessageA(browser, BFFM_ENABLEOK, 0, accept ? TRUE : FALSE);
    }
    return 0;
}

} // namespace

std::string BrowseForFolder(HWND owner, const std::string& proposed) {
    char display[MAX_PATH] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pszDisplayName = display;
    info.lpszTitle = texts::kChooseFolderPrompt;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(proposed.c_str());
    char path[MAX_PATH] = {};
    return framework::Ui().ChooseFolder(&info, path) ? path : "";
}

} // namespace installer_win32
