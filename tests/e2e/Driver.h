// Helpers for e2e driver programs: start the program under test, find its windows by
// exact class and title, click, read and answer its message boxes, wait for its exit,
// and report failed checks. Texts are CP932 bytes, compared byte for byte.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "tests/WaitFor.h"

#include <string>
#include <vector>

namespace e2e {

const DWORD kDefaultWait = 10000; // ms; generous, Wine starts a process in well under 1 s
using testwait::WaitFor;

// A started program, or one another run started (attached by a window of it). A program
// still running when its Process goes away is terminated, so a failed check never leaves
// it behind in the prefix.
class Process {
public:
    Process() = default;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    bool Start(const std::string& commandLine);
    bool Attach(HWND window);
    DWORD Id() const { return info.dwProcessId; }
    // True when the program ended within the time; its exit code goes to *exitCode.
    bool WaitForExit(DWORD timeoutMs = kDefaultWait, DWORD* exitCode = nullptr);
    // A visible dialog (#32770) of the program titled `caption`, other than `except`.
    HWND WaitForDialog(const char* caption, HWND except = nullptr,
                       DWORD timeoutMs = kDefaultWait) const;
    // Waits for the end like WaitForExit; *windowSeen tells whether a visible top-level
    // window of the program with this class and title (null: any) appeared meanwhile.
    bool WaitForExitWatching(DWORD timeoutMs, DWORD* exitCode, bool* windowSeen,
                             const char* className = nullptr, const char* title = nullptr);

private:
    PROCESS_INFORMATION info = {};
};

// What the next step needs of a top-level window before it acts on it. A window can be
// found before it is shown and before its controls exist, and a message box gets its
// text while it initialises: a wait for the mere window races with both.
struct WindowWanted {
    DWORD processId = 0;             // 0: any
    const char* className = nullptr; // null: any
    const char* title = nullptr;     // null: any
    int control = 0;                 // this control exists, visible and enabled (0: none)
    bool text = false;               // its static 0xFFFF (a message box's text) has text
    HWND except = nullptr;           // not this one (e.g. the main window, a dialog too)
};
// The first visible and enabled top-level window as wanted, or null after the time-out.
HWND WaitForWindow(const WindowWanted& wanted, DWORD timeoutMs = kDefaultWait);
// The visible top-level windows of the process (0: any), of this class and title
// (null: any).
std::vector<HWND> VisibleWindows(DWORD processId, const char* className = nullptr,
                                 const char* title = nullptr);
// Waits until the thread of `window` is back in a message loop, done with what it was
// doing: a sent message reaches it only there. Sent messages go before posted ones, so
// work the program has posted to itself may still be waiting.
bool WaitUntilIdle(HWND window, DWORD timeoutMs = kDefaultWait);
// Waits until `window` has gone and the thread of its owner is idle again, so that
// what the program does once the window has closed is done.
bool WaitForClose(HWND window, DWORD timeoutMs = kDefaultWait);
// The direct child windows of `parent` of this class, in z-order.
std::vector<HWND> ChildWindows(HWND parent, const char* className);

std::string WindowText(HWND window);
// The text of control `id` of `dialog`.
std::string ControlText(HWND dialog, int id);
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
// notification, posted to the parent. False unless the window and the button are
// visible and enabled, as a user's click needs.
bool ClickDialogButton(HWND dialog, int id);
bool PostCommand(HWND window, int id); // WM_COMMAND as from a menu or accelerator
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

// One control of a dialog and the text it must show.
struct ControlWanted {
    const char* what;
    int id;
    std::string text;
};
// Checks each control's text byte for byte.
void CheckControlTexts(Checks& checks, HWND dialog, const std::vector<ControlWanted>& wanted);

// One scenario of a driver program: its name on the command line, the usage of its
// arguments, how many it needs at least, and what it runs.
using Args = std::vector<std::string>;
struct Scenario {
    const char* name;
    const char* arguments;
    size_t minimumCount;
    void (*run)(Checks&, const Args&);
};
// main() of a driver program `program`: runs the scenario named by argv[1] with the
// arguments after it. Exit code 0 when every check passed, 1 when one failed, 2 on bad
// usage (the usage of every scenario printed).
int RunScenario(const char* program, const Scenario* scenarios, size_t count, int argc,
                char** argv);
template <size_t N>
int RunScenario(const char* program, const Scenario (&scenarios)[N], int argc, char** argv) {
    return RunScenario(program, scenarios, N, argc, argv);
}

// A message box as the user must see it, and the button to press.
struct Message {
    std::string caption, text;
    int button = IDOK;
    bool icon = true;      // shows an icon (which one cannot be told from outside)
    HWND except = nullptr; // a dialog of the same caption that is not the box
};
// Waits for a message box of the process, checks its text byte for byte and whether it
// shows an icon, presses the button and waits until the box has gone and, with `settle`,
// until the program has done what follows it. False when no box came.
bool AnswerMessageBox(Checks& checks, DWORD processId, const Message& message, bool settle = true);

} // namespace e2e
