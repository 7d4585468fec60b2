#pragma once
// The one seam for everything that would block a test or end its process: message
// boxes, the open and save dialogs, the folder browser and process exit. Production
// code calls the system through it; tests install their own answers and record
// every text, caption and icon.
//
// Threads: Ui() and SetUi() are for the UI thread only; the seam is not guarded. A
// worker that needs a message box asks the UI thread for it by SendMessage to a window
// of that thread, whose handler calls Ui().
#include <windows.h>
#include <shlobj.h>

namespace framework {

// (The operations are not named after the API functions: windows.h turns those names
// into macros for their ...A forms.)
class Seam {
public:
    virtual ~Seam() = default;
    virtual int ShowMessage(HWND owner, const char* text, const char* caption, UINT type);
    virtual bool ChooseFileToOpen(OPENFILENAMEA* request);
    virtual bool ChooseFileToSave(OPENFILENAMEA* request);
    // Shows the folder browser `request` describes; fills `folder` (MAX_PATH bytes) with
    // the chosen folder and returns true on OK.
    virtual bool ChooseFolder(BROWSEINFOA* request, char* folder);
    virtual void EndProcess(UINT code);
};

// What a message box says: its text with its buttons and icon (MB_* flags), which go
// together wherever the text is shown.
struct Message {
    const char* text;
    UINT type;
};

// Shows `message` under `caption` through the seam in force; returns the button chosen.
int Show(HWND owner, const char* caption, const Message& message);

// The seam in force; the system's by default. UI thread only.
Seam& Ui();
// Installs `seam` (null puts the system's back); returns the previous one.
Seam* SetUi(Seam* seam);

} // namespace framework
