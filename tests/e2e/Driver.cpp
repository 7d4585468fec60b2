#include "tests/e2e/Driver.h"

#include <cstdio>
#include <vector>

namespace e2e {

namespace {

const DWORD kPollMs = 20;
const UINT kMessageWaitMs = 5000; // a sent message never blocks a driver for longer

// Calls find() every kPollMs until it returns a window or the time is up.
template <typename Find> HWND Poll(DWORD timeoutMs, Find find) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND found = find()) return found;
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(kPollMs);
    }
}

struct DialogSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<DialogSearch*>(param);
    char className[16];
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || !IsWindowVisible(window) ||
        !GetClassNameA(window, className, sizeof className) || lstrcmpA(className, "#32770"))
        return TRUE;
    search->found = window;
    return FALSE;
}

std::string Hex(const std::string& bytes) {
    std::string out;
    char digits[4];
    for (unsigned char c : bytes) {
        std::snprintf(digits, sizeof digits, "%02X ", c);
        out += digits;
    }
    return out;
}

} // namespace

Process::~Process() {
    if (!info.hProcess) return;
    if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}

bool Process::Start(const std::string& commandLine) {
    if (info.hProcess) return false;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    return CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info) != FALSE;
}

bool Process::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
    return info.hProcess && WaitForSingleObject(info.hProcess, timeoutMs) == WAIT_OBJECT_0 &&
           GetExitCodeProcess(info.hProcess, exitCode);
}

HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs) {
    return Poll(timeoutMs, [=] { return FindWindowA(className, title); });
}

HWND WaitForDialog(DWORD processId, DWORD timeoutMs) {
    return Poll(timeoutMs, [=] {
        DialogSearch search = {processId, nullptr};
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
        return search.found;
    });
}

std::string WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!window || !SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG,
                                        kMessageWaitMs, &length))
        return std::string();
    std::vector<char> text(length + 1);
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kMessageWaitMs, &copied))
        return std::string();
    return std::string(text.data(), copied);
}

std::string MessageBoxText(HWND box) {
    return WindowText(GetDlgItem(box, 0xFFFF));
}

bool Click(HWND button) {
    return button && PostMessageA(button, BM_CLICK, 0, 0);
}

bool ClickDialogButton(HWND dialog, int id) {
    return Click(GetDlgItem(dialog, id));
}

bool PostCommand(HWND window, int id) {
    return window && PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

bool Checks::That(bool ok, const char* what) {
    if (!ok) {
        ++failures;
        std::printf("FAILED: %s\n", what);
    }
    return ok;
}

bool Checks::Equal(const char* what, const std::string& expected, const std::string& actual) {
    if (expected == actual) return true;
    ++failures;
    std::printf("FAILED: %s\n  expected: %s\n  actual:   %s\n", what, Hex(expected).c_str(),
                Hex(actual).c_str());
    return false;
}

bool Checks::Equal(const char* what, DWORD expected, DWORD actual) {
    if (expected == actual) return true;
    ++failures;
    std::printf("FAILED: %s: expected %lu, actual %lu\n", what, expected, actual);
    return false;
}

int Checks::Result() const {
    std::printf(failures ? "%d check(s) failed\n" : "all checks passed\n", failures);
    std::fflush(stdout);
    return failures ? 1 : 0;
}

} // namespace e2e
