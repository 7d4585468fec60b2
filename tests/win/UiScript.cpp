#include "tests/win/UiScript.h"

#include "text/Cp932.h"

#include <cstring>

namespace wintest {

RecordingUi::RecordingUi() : previous(framework::SetUi(this)) {}

RecordingUi::~RecordingUi() {
    framework::SetUi(previous == this ? nullptr : previous);
}

int RecordingUi::ShowMessage(HWND, const char* text, const char* caption, UINT type) {
    messages.push_back({text ? text : "", caption ? caption : "", type});
    if (answers.empty()) return IDOK;
    int answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}

bool RecordingUi::AnswerFile(OPENFILENAMEA* request) {
    fileRequests.push_back(*request);
    std::string filter;
    for (const char* part = request->lpstrFilter; part && *part; part += std::strlen(part) + 1) {
        filter.append(part).push_back('\0');
    }
    filters.push_back(filter + '\0');
    initialFolders.push_back(request->lpstrInitialDir ? request->lpstrInitialDir : "");
    defaultExtensions.push_back(request->lpstrDefExt ? request->lpstrDefExt : "");
    if (files.empty()) return false;
    std::string file = files.front();
    files.erase(files.begin());
    if (file.empty()) return false;
    cp932::CopyBounded(request->lpstrFile, request->nMaxFile, file);
    return true;
}

bool RecordingUi::ChooseFileToOpen(OPENFILENAMEA* request) {
    return AnswerFile(request);
}
bool RecordingUi::ChooseFileToSave(OPENFILENAMEA* request) {
    return AnswerFile(request);
}

bool RecordingUi::ChooseFolder(BROWSEINFOA* request, char* folder) {
    if (browse) browse(*request);
    if (files.empty() || files.front().empty()) return false;
    cp932::CopyBounded(folder, MAX_PATH, files.front());
    files.erase(files.begin());
    return true;
}

void RecordingUi::EndProcess(UINT code) {
    exitCodes.push_back(code);
}

namespace {

std::vector<std::function<void()>> pendingSteps;

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR timer, DWORD) {
    if (pendingSteps.empty()) {
        KillTimer(nullptr, timer);
        return;
    }
    std::function<void()> step = pendingSteps.front();
    pendingSteps.erase(pendingSteps.begin());
    if (pendingSteps.empty()) KillTimer(nullptr, timer);
    step();
}

} // namespace

INT_PTR RunInModalLoop(const std::function<INT_PTR()>& runModal,
                       std::vector<std::function<void()>> steps) {
    pendingSteps = std::move(steps);
    UINT_PTR timer = SetTimer(nullptr, 0, 20, RunNextStep);
    INT_PTR result = runModal();
    // Steps left when the loop ended early must not run in a later loop.
    KillTimer(nullptr, timer);
    pendingSteps.clear();
    return result;
}

void PressKey(WORD key, bool control) {
    INPUT inputs[4] = {};
    int count = 0;
    auto add = [&](WORD vk, DWORD flags) {
        inputs[count].type = INPUT_KEYBOARD;
        inputs[count].ki.wVk = vk;
        inputs[count].ki.dwFlags = flags;
        ++count;
    };
    if (control) add(VK_CONTROL, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (control) add(VK_CONTROL, KEYEVENTF_KEYUP);
    SendInput(count, inputs, sizeof(INPUT));
}

std::string WindowText(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

} // namespace wintest

namespace wintest {

testing::AssertionResult IsMessage(const ShownMessage& shown, const std::string& text,
                                   const std::string& caption, UINT icon) {
    UINT shownIcon = shown.type & MB_ICONMASK;
    if (shown.text == text && shown.caption == caption && shownIcon == icon) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "message \"" << shown.text << "\", caption \"" << shown.caption << "\", icon 0x"
           << std::hex << shownIcon << "; expected \"" << text << "\", \"" << caption << "\", 0x"
           << icon;
}

} // namespace wintest
