// Helpers for e2e driver programs: start the program under test, find its windows by
// exact class and title, click, read and answer its message boxes, wait for its exit,
// and report failed checks. Texts are CP932 bytes, compared byte for byte.
#pragma once
#include <windows.h>
#include <string>

namespace e2e {

const DWORD kDefaultWait = 10000; // ms; generous, Wine starts a process in well under 1 s

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

private:
    PROCESS_INFORMATION info = {};
};

// The top-level window of exactly this class and title, or null after the time-out.
HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs = kDefaultWait);
// A visible dialog (#32770: message boxes and modal dialogs) of the process, or null.
HWND WaitForDialog(DWORD processId, DWORD timeoutMs = kDefaultWait);

std::string WindowText(HWND window);
// The text of a message box: its static control 0xFFFF.
std::string MessageBoxText(HWND box);

// Posted, not sent: a click that opens a modal box would block a sent message.
bool Click(HWND button);
bool ClickDialogButton(HWND dialog, int id); // IDOK, IDYES, a control id...
bool PostCommand(HWND window, int id);       // WM_COMMAND as from a menu or accelerator

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

} // namespace e2e
