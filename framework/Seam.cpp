#include "framework/Seam.h"

#include <commdlg.h>
#include <shlobj.h>

#include "framework/System.h"

namespace framework {

namespace {

// The file dialogs and the folder browser are looked up when first used: TBK42 then
// starts without comdlg32, shell32 and ole32 and the libraries they bring, which it
// needs only when the user opens or saves a settings file.
template <class Function> Function SystemFunction(const char* library, const char* name) {
    HMODULE module = LoadSystemLibrary(library);
    FARPROC found = module ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

using FileDialog = BOOL(WINAPI*)(OPENFILENAMEA*);

} // namespace

int Seam::ShowMessage(HWND owner, const char* text, const char* caption, UINT type) {
    return ::MessageBoxA(owner, text, caption, type);
}

bool Seam::ChooseFileToOpen(OPENFILENAMEA* request) {
    static const auto open = SystemFunction<FileDialog>("comdlg32.dll", "GetOpenFileNameA");
    return open && open(request) != FALSE;
}

bool Seam::ChooseFileToSave(OPENFILENAMEA* request) {
    static const auto save = SystemFunction<FileDialog>("comdlg32.dll", "GetSaveFileNameA");
    return save && save(request) != FALSE;
}

bool Seam::ChooseFolder(BROWSEINFOA* request, char* folder) {
    static const auto browse =
        SystemFunction<LPITEMIDLIST(WINAPI*)(BROWSEINFOA*)>("shell32.dll", "SHBrowseForFolderA");
    static const auto pathOf =
        SystemFunction<BOOL(WINAPI*)(LPCITEMIDLIST, char*)>("shell32.dll", "SHGetPathFromIDListA");
    static const auto release = SystemFunction<void(WINAPI*)(void*)>("ole32.dll", "CoTaskMemFree");
    if (!browse || !pathOf || !release) return false;
    LPITEMIDLIST chosen = browse(request);
    if (!chosen) return false;
    bool ok = pathOf(chosen, folder) != FALSE;
    release(chosen);
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

int Show(HWND owner, const char* caption, const Message& message) {
    return current->ShowMessage(owner, message.text, caption, message.type);
}

Seam* SetUi(Seam* seam) {
    Seam* previous = current;
    current = seam ? seam : &systemSeam;
    return previous;
}

} // namespace framework
