#pragma once
// The progress window (template 129) shared by installation and uninstallation. It owns
// the worker thread: started from the initialisation, closed by the worker with its
// result. The worker touches the window only through sent messages, and asks the
// window's thread to show its message boxes, so the message seam stays on one thread.
#include "installer/SetupInfo.h"
#include "installer/SetupRules.h"
#include "framework/Dialog.h"
#include "framework/Seam.h"

#include <string>

namespace installer_win32 {

class CDlg_Progress : public framework::Dialog {
public:
    explicit CDlg_Progress(const installer::SetupRecord& record);
    ~CDlg_Progress() override;

    // Runs the window modally until the worker closes it; returns the worker's result.
    INT_PTR Run(HWND owner);

protected:
    BOOL OnInitDialog() override;
    // Escape and the close box do nothing while the worker runs: it still uses the window.
    void OnCancel() override;
    // Enter does nothing: the window has no button, and only the worker closes it.
    void OnOK() override {}
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    // The work itself, on the worker thread; ends with Finish.
    virtual void Work() = 0;

    // Worker side: the range for `steps` steps, "0％" and the starting text.
    void StartSteps(std::uint64_t steps, const char* status);
    // One finished action: bar, percentage, status text, then a pause of 500 ms.
    void Step(const std::string& status);
    // A message box owned by the window, shown by the window's thread (see Tell).
    int Ask(const std::string& caption, const framework::Message& message,
            const std::string& text = std::string());
    // Closes the window with `result`; the worker touches nothing of it afterwards.
    void Finish(INT_PTR result);

    installer::SetupRecord record;

private:
    static DWORD WINAPI WorkerMain(LPVOID self);
    void SetItemText(int id, const std::string& text);

    installer::ProgressScale scale{0, 0};
    std::uint32_t done = 0;
    bool comReady = false;
    bool running = false;
    HANDLE worker = nullptr;
};

} // namespace installer_win32
