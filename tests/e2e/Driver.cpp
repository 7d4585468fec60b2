#include "tests/e2e/Driver.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace e2e {

namespace {

const UINT kMessageWaitMs = 5000; // a sent message never blocks a driver for longer

struct WindowSearch {
    DWORD processId;
    const char* className; // null: any
    const char* title;     // null: any
    std::vector<HWND> found;
};

// Visible and enabled: a user could click it.
bool IsUsable(HWND window) {
    return window && IsWindowVisible(window) && IsWindowEnabled(window);
}

bool HasClass(HWND window, const char* className) {
    char actual[64];
    return !className ||
           (GetClassNameA(window, actual, sizeof actual) && !lstrcmpA(actual, className));
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if ((!search->processId || processId == search->processId) && IsWindowVisible(window) &&
        HasClass(window, search->className) &&
        (!search->title || WindowText(window) == search->title))
        search->found.push_back(window);
    return TRUE;
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

std::string Readable(const std::string& ansi) {
    int wide =
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring text(wide, L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &text[0], wide);
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string utf8(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, &utf8[0], size, nullptr, nullptr);
    return utf8;
}

Process::~Process() {
    if (!info.hProcess) return;
    if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info.hProcess, 1);
    if (info.hThread) CloseHandle(info.hThread);
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

bool Process::Attach(HWND window) {
    if (info.hProcess || !window || !GetWindowThreadProcessId(window, &info.dwProcessId))
        return false;
    info.hProcess = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE,
                                info.dwProcessId);
    return info.hProcess != nullptr;
}

bool Process::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
    return info.hProcess && WaitForSingleObject(info.hProcess, timeoutMs) == WAIT_OBJECT_0 &&
           (!exitCode || GetExitCodeProcess(info.hProcess, exitCode));
}

HWND Process::WaitForDialog(const char* caption, HWND except, DWORD timeoutMs) const {
    return WaitFor(timeoutMs, [=]() -> HWND {
        for (HWND window : VisibleWindows(Id(), "#32770", caption))
            if (window != except) return window;
        return nullptr;
    });
}

bool Process::WaitForExitWatching(DWORD timeoutMs, DWORD* exitCode, bool* windowSeen,
                                  const char* className, const char* title) {
    *windowSeen = false;
    return WaitFor(timeoutMs, [&] {
        *windowSeen = *windowSeen || !VisibleWindows(Id(), className, title).empty();
        return WaitForExit(0, exitCode);
    });
}

std::vector<HWND> VisibleWindows(DWORD processId, const char* className, const char* title) {
    WindowSearch search = {processId, className, title, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(const WindowWanted& wanted, DWORD timeoutMs) {
    return WaitFor(timeoutMs, [&]() -> HWND {
        for (HWND window : VisibleWindows(wanted.processId, wanted.className, wanted.title)) {
            if (window == wanted.except || !IsWindowEnabled(window)) continue;
            if (wanted.control && !IsUsable(GetDlgItem(window, wanted.control))) continue;
            if (wanted.text && MessageBoxText(window).empty()) continue;
            return window;
        }
        return nullptr;
    });
}

bool WaitUntilIdle(HWND window, DWORD timeoutMs) {
    DWORD_PTR result = 0;
    return window && SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result);
}

bool WaitForClose(HWND window, DWORD timeoutMs) {
    HWND owner = GetWindow(window, GW_OWNER);
    if (!WaitFor(timeoutMs, [window] { return !IsWindow(window); })) return false;
    // The owner may go too: the program ends after its last box.
    return !owner || WaitUntilIdle(owner, timeoutMs) ||
           WaitFor(timeoutMs, [owner] { return !IsWindow(owner); });
}

std::vector<HWND> ChildWindows(HWND parent, const char* className) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (HasClass(child, className)) children.push_back(child);
    return children;
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

bool MessageBoxHasIcon(HWND box) {
    for (HWND control : ChildWindows(box, "Static")) {
        DWORD_PTR icon = 0;
        if ((GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            SendMessageTimeoutA(control, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, kMessageWaitMs,
                                &icon) &&
            icon)
            return true;
    }
    return false;
}

bool Click(HWND button) {
    return button && PostMessageA(button, BM_CLICK, 0, 0);
}

bool ClickDialogButton(HWND dialog, int id) {
    // The button's notification itself: a posted BM_CLICK depends on the dialog being
    // active, which another process cannot rely on.
    HWND button = GetDlgItem(dialog, id);
    return IsUsable(dialog) && IsUsable(button) &&
           PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                        reinterpret_cast<LPARAM>(button));
}

bool PostCommand(HWND window, int id) {
    return window && PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

bool PressKeys(HWND window, const std::vector<WORD>& keys) {
    if (!window || !SetForegroundWindow(window)) return false;
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) ==
           inputs.size();
}

RemoteMemory::RemoteMemory(HWND window, SIZE_T size) {
    DWORD processId = 0;
    if (!window || !GetWindowThreadProcessId(window, &processId)) return;
    process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return;
    base = static_cast<char*>(
        VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
}

RemoteMemory::~RemoteMemory() {
    if (base) VirtualFreeEx(process, base, 0, MEM_RELEASE);
    if (process) CloseHandle(process);
}

bool RemoteMemory::Write(SIZE_T offset, const void* data, SIZE_T size) {
    SIZE_T done = 0;
    return base && WriteProcessMemory(process, base + offset, data, size, &done) && done == size;
}

bool RemoteMemory::Read(SIZE_T offset, void* data, SIZE_T size) const {
    SIZE_T done = 0;
    return base && ReadProcessMemory(process, base + offset, data, size, &done) && done == size;
}

std::string RemoteMemory::ReadText(SIZE_T offset, SIZE_T size) const {
    std::vector<char> text(size + 1);
    if (!Read(offset, text.data(), size)) return std::string();
    return text.data();
}

namespace {

const SIZE_T kTextSize = 512;

// Sends a message whose lParam points to a copy of `item` in the control's process,
// followed there by a text buffer that item's `pszText` (or whatever `linkText` sets)
// points to; the control's answer and the item come back. Returns the result, -1 when
// the memory could not be used.
template <typename Item, typename LinkText>
LRESULT SendWithItem(HWND control, UINT message, WPARAM wParam, Item& item, LinkText linkText,
                     std::string* text = nullptr) {
    RemoteMemory memory(control, sizeof item + kTextSize);
    linkText(item, reinterpret_cast<char*>(memory.At(sizeof item)));
    if (!memory.Write(0, &item, sizeof item)) return -1;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(control, message, wParam, memory.At(), SMTO_ABORTIFHUNG,
                             kMessageWaitMs, &result) ||
        !memory.Read(0, &item, sizeof item))
        return -1;
    if (text) *text = memory.ReadText(sizeof item, kTextSize);
    return static_cast<LRESULT>(result);
}

template <typename Item> void LinkText(Item& item, char* text) {
    item.pszText = text;
    item.cchTextMax = kTextSize;
}

} // namespace

std::string TabCaption(HWND tabs, int index) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    std::string text;
    if (SendWithItem(tabs, TCM_GETITEMA, index, item, LinkText<TCITEMA>, &text) <= 0) return "";
    return text;
}

bool ToolbarButton(HWND toolbar, int position, TBBUTTON* button) {
    *button = TBBUTTON{};
    return SendWithItem(toolbar, TB_GETBUTTON, position, *button, [](TBBUTTON&, char*) {}) > 0;
}

std::vector<int> StatusBarParts(HWND statusBar) {
    const int kMostParts = 256;
    RemoteMemory memory(statusBar, kMostParts * sizeof(int));
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutA(statusBar, SB_GETPARTS, kMostParts, memory.At(), SMTO_ABORTIFHUNG,
                             kMessageWaitMs, &count) ||
        count > kMostParts)
        return {};
    std::vector<int> parts(count);
    if (count && !memory.Read(0, parts.data(), count * sizeof(int))) return {};
    return parts;
}

std::string StatusBarText(HWND statusBar, int part) {
    RemoteMemory memory(statusBar, kTextSize);
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(statusBar, SB_GETTEXTLENGTHA, part, 0, SMTO_ABORTIFHUNG,
                             kMessageWaitMs, &length) ||
        LOWORD(length) >= kTextSize ||
        !SendMessageTimeoutA(statusBar, SB_GETTEXTA, part, memory.At(), SMTO_ABORTIFHUNG,
                             kMessageWaitMs, &length))
        return "";
    return memory.ReadText(0, kTextSize);
}

std::string ListViewText(HWND list, int row, int column) {
    LVITEMA item = {};
    item.iSubItem = column;
    std::string text;
    if (SendWithItem(list, LVM_GETITEMTEXTA, row, item, LinkText<LVITEMA>, &text) < 0) return "";
    return text;
}

bool SelectListViewRow(HWND list, int row) {
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    return SendWithItem(list, LVM_SETITEMSTATE, row, item, [](LVITEMA&, char*) {}) > 0;
}

bool Checks::That(bool ok, const char* what) {
    if (!ok) {
        ++failures;
        std::printf("FAILED: %s\n", Readable(what).c_str());
    }
    return ok;
}

bool Checks::Equal(const char* what, const std::string& expected, const std::string& actual) {
    if (expected == actual) return true;
    ++failures;
    std::printf("FAILED: %s\n  expected: %s\n            %s\n  actual:   %s\n            %s\n",
                Readable(what).c_str(), Readable(expected).c_str(), Hex(expected).c_str(),
                Readable(actual).c_str(), Hex(actual).c_str());
    return false;
}

bool Checks::Equal(const char* what, DWORD expected, DWORD actual) {
    if (expected == actual) return true;
    ++failures;
    std::printf("FAILED: %s: expected %lu, actual %lu\n", Readable(what).c_str(), expected, actual);
    return false;
}

bool AnswerMessageBox(Checks& checks, DWORD processId, const Message& message, bool settle) {
    HWND box =
        WaitForWindow({processId, "#32770", message.caption.c_str(), 0, true, message.except});
    std::string what = "message box \"" + message.text + "\"";
    if (!checks.That(box != nullptr, (what + " appears, titled " + message.caption).c_str()))
        return false;
    checks.Equal((what + ": text").c_str(), message.text, MessageBoxText(box));
    checks.Equal((what + ": shows an icon").c_str(), message.icon, MessageBoxHasIcon(box));
    checks.That(ClickDialogButton(box, message.button), (what + ": button pressed").c_str());
    bool closed =
        settle ? WaitForClose(box) : WaitFor(kDefaultWait, [box] { return !IsWindow(box); });
    checks.That(closed, (what + ": box closes").c_str());
    return true;
}

std::string ControlText(HWND dialog, int id) {
    return WindowText(GetDlgItem(dialog, id));
}

void CheckControlTexts(Checks& checks, HWND dialog, const std::vector<ControlWanted>& wanted) {
    for (const ControlWanted& control : wanted)
        checks.Equal(control.what, control.text, ControlText(dialog, control.id));
}

int RunScenario(const char* program, const Scenario* scenarios, size_t count, int argc,
                char** argv) {
    const Scenario* end = scenarios + count;
    const Scenario* found = scenarios;
    while (argc >= 2 && found != end && std::strcmp(argv[1], found->name) != 0)
        ++found;
    if (argc < 2 || found == end || static_cast<size_t>(argc - 2) < found->minimumCount) {
        for (const Scenario* scenario = scenarios; scenario != end; ++scenario)
            std::fprintf(stderr, "usage: %s %s %s\n", program, scenario->name, scenario->arguments);
        return 2;
    }
    Checks checks;
    found->run(checks, Args(argv + 2, argv + argc));
    return checks.Result();
}

int Checks::Result() const {
    std::printf(failures ? "%d check(s) failed\n" : "all checks passed\n", failures);
    std::fflush(stdout);
    return failures ? 1 : 0;
}

} // namespace e2e
