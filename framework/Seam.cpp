#include "framework/Seam.h"

#include <commdlg.h>
#include <shlobj.h>

namespace framework {

int Seam::ShowMessage(HWND owner, const char* text, const char* caption, UINT type) {
    return ::MessageBoxA(owner, text, caption, type);
}

bool Seam::ChooseFileToOpen(OPENFILENAMEA* request) {
    return ::GetOpenFileNameA(request) != FALSE;
}

bool Seam::ChooseFileToSave(OPENFILENAMEA* request) {
    return ::GetSaveFileNameA(request) != FALSE;
}

bool Seam::ChooseFolder(HWND owner, const char* title, char* folder) {
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

void Seam::EndProcess(UINT code) {
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
