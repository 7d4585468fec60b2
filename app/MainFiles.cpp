// The main window's settings-file commands: load and save.
#include "app/CDlg_Main.h"
#include "app/Messages.h"
#include "app/Texts.h"
#include "framework/Seam.h"
#include "framework/System.h"
#include "settings/SettingsFile.h"
#include "text/Cp932.h"
#include "text/Path.h"

#include <commdlg.h>

namespace {

// Both file dialogs: one "*.dat" filter, the program's folder, no read-only box.
struct FileDialogRequest {
    explicit FileDialogRequest(HWND owner, DWORD extraFlags)
        : filter(cp932::ReplaceChar(kFileFilter, '|', '\0')),
          folder(path::FolderOf(framework::ModulePath())) {
        cp932::CopyBounded(file, sizeof file, kFilePattern);
        // The size of the original structure, which every 32-bit Windows accepts.
        request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
        request.hwndOwner = owner;
        request.lpstrFilter = filter.c_str();
        request.lpstrFile = file;
        request.nMaxFile = sizeof file;
        request.lpstrInitialDir = folder.c_str();
        request.lpstrDefExt = kFileExtension;
        request.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | extraFlags;
    }

    OPENFILENAMEA request = {};
    std::string filter;
    std::string folder;
    char file[MAX_PATH] = {};
};

// Writes all of `size` bytes; false when the disk took fewer.
bool WriteAll(HANDLE file, const unsigned char* data, DWORD size) {
    DWORD written = 0;
    return WriteFile(file, data, size, &written, nullptr) && written == size;
}

} // namespace

bool CDlg_Main::ConfirmDiscardChanges() {
    if (!startupDone) return true;
    PackBlock(workingBlock);
    if (workingBlock == printerSnapshot) return true;
    return message::Tell(Handle(), message::kDiscard) == IDYES;
}

bool CDlg_Main::StopForCentringRange() {
    if (!pageParam.AnyOutOfRange()) return false;
    if (CurrentPage() != kParamPage) SelectPage(kParamPage);
    pageParam.CheckCentringRange();
    return true;
}

void CDlg_Main::LoadSettingsFile() {
    if (!ConfirmDiscardChanges()) return;
    FileDialogRequest dialog(Handle(), 0);
    if (!framework::Ui().ChooseFileToOpen(&dialog.request)) return;
    HANDLE file = CreateFileA(dialog.file, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    unsigned char content[settings::kFileSize] = {};
    DWORD got = 0;
    if (file != INVALID_HANDLE_VALUE) {
        // Only the first 290 bytes count; a longer file keeps the rest to itself.
        ReadFile(file, content, sizeof content, &got, nullptr);
        CloseHandle(file);
    }
    if (!settings::DecodeSettingsFile(content, got, workingBlock)) {
        message::Tell(Handle(), message::kNotSettings);
        return;
    }
    UnpackBlock(workingBlock);
    fileSnapshot = workingBlock;
    UpdateSendCommand();
    pageSelect.UpdateFormatButton();
}

void CDlg_Main::SaveSettingsFile() {
    if (StopForCentringRange()) return;
    PackBlock(workingBlock);
    FileDialogRequest dialog(Handle(), OFN_OVERWRITEPROMPT);
    if (!framework::Ui().ChooseFileToSave(&dialog.request)) return;
    // A read-only file is never written, even by an account the system would let write
    // it: it is refused as the system refuses everyone else.
    DWORD attributes = GetFileAttributesA(dialog.file);
    bool readOnly =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    // An existing file is opened as it is: bytes after the settings stay in place.
    HANDLE file = readOnly ? INVALID_HANDLE_VALUE
                           : CreateFileA(dialog.file, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                         nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        // The error first: asking for the Windows version makes system calls of its own.
        DWORD error = readOnly ? ERROR_ACCESS_DENIED : GetLastError();
        bool denied = framework::RunningWindows().IsNt() && error == ERROR_ACCESS_DENIED;
        message::Tell(Handle(), denied ? message::kFolderDenied : message::kWriteFailed);
        saveRefused = true;
        return;
    }
    auto content = settings::EncodeSettingsFile(workingBlock);
    bool written = WriteAll(file, content.data(), settings::kFileHeaderSize) &&
                   WriteAll(file, content.data() + settings::kFileHeaderSize, settings::kBlockSize);
    written = CloseHandle(file) && written;
    if (!written) {
        message::Tell(Handle(), message::kWriteFailed);
        saveRefused = true;
        return;
    }
    fileSnapshot = workingBlock;
}
