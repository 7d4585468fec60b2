#pragma once
// TEMPORARY local stand-in for the framework's OK/Cancel hooks and Dialog::EndFromWorker,
// which are about to land in framework/Dialog.h with exactly these names. Once they
// have, SetupDialog becomes framework::Dialog and this file goes away.
#include "framework/Dialog.h"

namespace installer_win32 {

class SetupDialog : public framework::Dialog {
public:
    using framework::Dialog::Dialog;

    // Ends `window`'s modal run with `result` from any thread; returns once the window's
    // own thread has done it.
    static void EndFromWorker(HWND window, INT_PTR result);

protected:
    // OK button and Enter.
    virtual void OnOK() { End(IDOK); }
    // Cancel button, Escape and the close box (the system turns them all into IDCANCEL).
    virtual void OnCancel() { End(IDCANCEL); }

    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
};

} // namespace installer_win32
