#include "framework/Seam.h"

#include <commdlg.h>
#include <shlobj.h>

namespace framework {

int Seam::MessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    return MessageBoxA(owner, text, caption, type);
}

bool Seam::GetOpenFileName(OPENFILENAMEA* request) {
    return GetOpenFileNameA(request) != FALSE;
}

bool Seam::GetSaveFileName(OPENFILENAMEA* request) {
    return GetSaveFileNameA(request) != FALSE;
}

bool Seam::BrowseForFolder(HWND owner, const char* title, char* folder) {
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pszDisplayName = folder;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
    if (!chosen) return false;
    bool ok = SHGetPathFromIDListA(chosen, folder) != FALSE;
    CoTaskMemFree(chosen);
    return ok;
}

void Seam::ExitProcess(UINT code) {
    ::ExitProcess(code);
}

namespace {
Seam systemSeam;
Seam* current = &systemSeam;
} // namespace

Seam& Ui() {
    return *current;
}

Seam* SetUi(Seam* seam) {
    Seam* previous = current;
    current = seam ? seam : &systemSeam;
    return previous;
}

} // namespace framework
