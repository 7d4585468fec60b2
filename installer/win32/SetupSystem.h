#pragma once
// What TBSetup asks the system for in more than one place: the setup record, folders
// of the system, file helpers and the fixed pauses.
#include "framework/Seam.h"
#include "installer/SetupInfo.h"

#include <windows.h>

#include <string>

namespace installer_win32 {

// The setup information file beside the running program (TBSetup.exe reads TBSetup.ini).
std::string SetupInfoPath();

// Reads the setup record. On failure shows the one failure message owned by `owner`
// (caption: the title as read so far) and returns false.
bool LoadSetupRecord(HWND owner, installer::SetupRecord& record);
// TITLE_NAME alone, for the single-instance check.
std::string ReadTitleOnly();

std::string WindowsFolder();
std::string SystemFolder();
std::string ProgramFilesFolder();
// True when this 32-bit program runs on 64-bit Windows (IsWow64Process, looked up at run
// time: systems before XP SP2 lack it and are all 32-bit).
bool RunsUnderWow64();
// The default install path for INSTALL_FOLDER `folderName` on this system.
std::string DefaultInstallPath(const std::string& folderName);
std::string TemporaryFolder();
// The running program's file name without folder and extension ("TBSetup").
std::string ProgramName();
// The text of a window, and of a dialog item.
std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);

// A file's bytes (at most 16 MB); empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
bool IsFolder(const std::string& path);
bool Exists(const std::string& path);
// Clears the target's attributes, then copies, replacing an existing file.
bool CopyReplacing(const std::string& source, const std::string& target);
// Clears the attributes (read-only included), then deletes.
bool DeleteClearing(const std::string& path);

// Calls `visit(name, isFolder)` for every entry of `folder` but "." and "..", in the
// order the file system lists them.
template <class Visit> void ForEachEntry(const std::string& folder, Visit visit) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        visit(name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// The fixed pauses of the progress steps. TBSETUP_NO_PAUSE=1 in the environment (read
// once) takes them out; it is meant for measuring and for the tests only.
void Pause(DWORD milliseconds);

// Measuring only: when TBSETUP_TIMING names a file, Report appends to it the time since
// the timer was made as the line "sample KEY MICROSECONDS"; otherwise it does nothing.
class StageTimer {
public:
    StageTimer();
    void Report(const char* key) const;

private:
    LARGE_INTEGER start;
};

// Shows `message` under `caption` through the framework's seam (user-interface thread
// only); a non-empty `text` stands for the message's own (its pattern filled in).
int Tell(HWND owner, const std::string& caption, const framework::Message& message,
         const std::string& text = std::string());

} // namespace installer_win32
