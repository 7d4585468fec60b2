#include "installer/win32/CDlg_Progress.h"

#include "installer/win32/SetupIds.h"
#include "installer/win32/SetupSystem.h"
#include "installer/win32/Texts.h"

#include <commctrl.h>
#include <objbase.h>

namespace installer_win32 {

namespace {

constexpr UINT kShowMessage = WM_APP + 0x3F1;

struct MessageRequest {
    const std::string& caption;
    const framework::Message& message;
    const std::string& text;
};

} // namespace

CDlg_Progress::CDlg_Progress(const installer::SetupRecord& record)
    : framework::Dialog(IDD_PROGRESS), record(record) {}

CDlg_Progress::~CDlg_Progress() {
    if (worker) CloseHandle(worker);
}

INT_PTR CDlg_Progress::Run(HWND owner) {
    INT_PTR result = DoModal(owner);
    // After its close the worker only pauses and returns; it sends nothing any more.
    if (worker) WaitForSingleObject(worker, INFINITE);
    return result;
}

BOOL CDlg_Progress::OnInitDialog() {
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    running = true;
    DWORD id;
    worker = CreateThread(nullptr, 0, WorkerMain, this, 0, &id);
    if (!worker) {
        running = false;
        End(-1);
    }
    return TRUE;
}

void CDlg_Progress::OnCancel() {
    if (!running) End(IDCANCEL);
}

bool CDlg_Progress::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == kShowMessage) {
        auto* request = reinterpret_cast<const MessageRequest*>(lParam);
        result = Tell(Handle(), request->caption, request->message, request->text);
        return true;
    }
    return framework::Dialog::OnMessage(message, wParam, lParam, result);
}

DWORD WINAPI CDlg_Progress::WorkerMain(LPVOID self) {
    static_cast<CDlg_Progress*>(self)->Work();
    return 0;
}

void CDlg_Progress::SetItemText(int id, const std::string& text) {
    SendMessageA(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void CDlg_Progress::StartSteps(std::uint64_t steps, const char* status) {
    scale = installer::ScaleFor(steps);
    done = 0;
    HWND bar = Item(IDC_PROGRESS_BAR);
    SendMessageA(bar, PBM_SETRANGE, 0, MAKELPARAM(0, scale.range));
    SendMessageA(bar, PBM_SETSTEP, 1, 0);
    SendMessageA(bar, PBM_SETPOS, 0, 0);
    SetItemText(IDC_PERCENT, installer::Substitute(texts::kPercent, 0));
    SetItemText(IDC_STATUS, status);
}

void CDlg_Progress::Step(const std::string& status) {
    // The shell links of the installation need the component library on this thread.
    if (!comReady) comReady = SUCCEEDED(CoInitialize(nullptr));
    HWND bar = Item(IDC_PROGRESS_BAR);
    ++done;
    SendMessageA(bar, PBM_SETPOS, installer::PositionAfter(scale, done), 0);
    auto upper = static_cast<std::uint32_t>(SendMessageA(bar, PBM_GETRANGE, FALSE, 0));
    auto position = static_cast<std::uint32_t>(SendMessageA(bar, PBM_GETPOS, 0, 0));
    SetItemText(IDC_PERCENT,
                installer::Substitute(texts::kPercent, installer::PercentOf(position, upper)));
    SetItemText(IDC_STATUS, status);
    Pause(500);
}

int CDlg_Progress::Ask(const std::string& caption, const framework::Message& message,
                       const std::string& text) {
    MessageRequest request{caption, message, text};
    return static_cast<int>(
        SendMessageA(Handle(), kShowMessage, 0, reinterpret_cast<LPARAM>(&request)));
}

void CDlg_Progress::Finish(INT_PTR result) {
    // The window stays "running" to the end, so an Escape that arrives meanwhile cannot
    // replace the worker's result. Once this returns the window's thread may destroy
    // this object.
    EndFromWorker(Handle(), result);
}

} // namespace installer_win32
