// Helpers for e2e driver programs: start the program under test, find its windows by
// exact class and title, click, read and answer its message boxes, wait for its exit,
// and report failed checks. Texts are CP932 bytes, compared byte for byte.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>

namespace e2e {

const DWORD kDefaultWait = 10000; // ms; generous, Wine starts a process in well under 1 s
const DWORD kPollMs = 20;

// Calls find() every kPollMs until it returns something true or the time is up; returns
// the last result.
template <typename Find> auto WaitFor(DWORD timeoutMs, Find find) -> decltype(find()) {
    const DWORD start = GetTickCount();
    for (;;) {
        auto found = find();
        if (found || GetTickCount() - start >= timeoutMs) return found;
        Sleep(kPollMs);
    }
}

// A started program. A program still running when its Process goes away is terminated,
// so a failed check never leaves it behind in the prefix.
class Process {
public:
    Process() = default;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    bool Start(const std::string& commandLine);
    DWORD Id() const { return info.dwProcessId; }
    // True when the program ended within the time; its exit code goes to *exitCode.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode);
    // Waits for the end like WaitForExit; *windowSeen tells whether a visible top-level
    // window of the program with this class and title (null: any) appeared meanwhile.
    bool WaitForExitWatching(DWORD timeoutMs, DWORD* exitCode, bool* windowSeen,
                             const char* className = nullptr, const char* title = nullptr);

private:
    PROCESS_INFORMATION info = {};
};

// The top-level window of exactly this class and title, or null after the time-out.
HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs = kDefaultWait);
// The visible top-level windows of the process (0: any), of this class and title
// (null: any).
std::vector<HWND> VisibleWindows(DWORD processId, const char* className = nullptr,
                                 const char* title = nullptr);
// The first of them to appear, or null after the time-out.
HWND WaitForWindowOf(DWORD processId, const char* className, const char* title,
                     DWORD timeoutMs = kDefaultWait);
// A visible dialog (#32770: message boxes and modal dialogs) of the process other than
// `except` (e.g. its main window, when that is a dialog too), or null.
HWND WaitForDialog(DWORD processId, DWORD timeoutMs = kDefaultWait, HWND except = nullptr);
// The direct child windows of `parent` of this class, in z-order.
std::vector<HWND> ChildWindows(HWND parent, const char* className);

std::string WindowText(HWND window);
// CP932 text as UTF-8, for the log.
std::string Readable(const std::string& ansi);
// The text of a message box: its static control 0xFFFF.
std::string MessageBoxText(HWND box);
// True when the box shows an icon: a static of style SS_ICON holding one. Which icon
// it is cannot be told from another process (icon handles are per process).
bool MessageBoxHasIcon(HWND box);

// Posted, not sent: a click that opens a modal box would block a sent message.
bool Click(HWND button);
// A push button (IDOK, IDYES, a control id...) of a dialog or window: its click
// notification, posted to the parent.
bool ClickDialogButton(HWND dialog, int id);
bool PostCommand(HWND window, int id);       // WM_COMMAND as from a menu or accelerator
// Makes `window` the foreground window and types the keys as one chord, e.g.
// {VK_CONTROL, 'W'}: pressed in order, released in reverse.
bool PressKeys(HWND window, const std::vector<WORD>& keys);

// Memory inside the process of a window, for control messages whose parameters are
// pointers (Wine passes them unmarshalled). Freed when it goes away.
class RemoteMemory {
public:
    RemoteMemory(HWND window, SIZE_T size);
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    ~RemoteMemory();

    bool Ok() const { return base != nullptr; }
    // The address `offset` bytes in, valid in the other process only.
    LPARAM At(SIZE_T offset = 0) const { return reinterpret_cast<LPARAM>(base + offset); }
    bool Write(SIZE_T offset, const void* data, SIZE_T size);
    bool Read(SIZE_T offset, void* data, SIZE_T size) const;
    // The zero-terminated text at `offset`, at most `size` bytes.
    std::string ReadText(SIZE_T offset, SIZE_T size) const;

private:
    HANDLE process = nullptr;
    char* base = nullptr;
};

// Common controls of another process, read through RemoteMemory.
std::string TabCaption(HWND tabs, int index);
bool ToolbarButton(HWND toolbar, int position, TBBUTTON* button);
std::vector<int> StatusBarParts(HWND statusBar);
std::string StatusBarText(HWND statusBar, int part);
std::string ListViewText(HWND list, int row, int column);
// Gives the row the selected and focused states.
bool SelectListViewRow(HWND list, int row);

// Counts failed checks and prints each one; Result() is the driver's exit code.
class Checks {
public:
    bool That(bool ok, const char* what);
    bool Equal(const char* what, const std::string& expected, const std::string& actual);
    bool Equal(const char* what, DWORD expected, DWORD actual);
    int Result() const;

private:
    int failures = 0;
};

// Waits for a message box of the process with this caption, checks its text byte for
// byte and that it shows an icon, presses `button` and waits until the box has gone.
// False when no box came.
bool AnswerMessageBox(Checks& checks, DWORD processId, const char* title, const char* text,
                      int button);

} // namespace e2e
