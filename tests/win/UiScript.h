#pragma once
// Helpers for the in-process window tests: a recording stand-in for the message box
// and file-dialog seam, and a way to run steps inside a modal loop.
#include "framework/Seam.h"

#include <functional>
#include <string>
#include <vector>

namespace wintest {

struct ShownMessage {
    std::string text;
    std::string caption;
    UINT type;
};

// Records every message box and answers from a script (IDOK when the script is empty).
class RecordingUi : public framework::Seam {
public:
    RecordingUi();
    ~RecordingUi() override;

    int ShowMessage(HWND owner, const char* text, const char* caption, UINT type) override;
    bool ChooseFileToOpen(OPENFILENAMEA* request) override;
    bool ChooseFileToSave(OPENFILENAMEA* request) override;
    // Runs `browse` with the request (its callback may be called there), then answers
    // from `files`.
    bool ChooseFolder(BROWSEINFOA* request, char* folder) override;
    void EndProcess(UINT code) override;

    std::vector<ShownMessage> messages;
    std::vector<int> answers;                // answers to the next message boxes, in order
    std::vector<std::string> files;          // answers to the next file dialogs; "" cancels
    std::vector<OPENFILENAMEA> fileRequests; // their pointers are gone after the call
    std::vector<std::string> filters;        // each up to its closing double zero
    std::vector<std::string> initialFolders;
    std::vector<std::string> defaultExtensions;
    std::vector<UINT> exitCodes;
    std::function<void(const BROWSEINFOA&)> browse;

private:
    bool AnswerFile(OPENFILENAMEA* request);
    framework::Seam* previous;
};

// Runs `steps` one by one from a thread timer while `runModal` runs its modal loop;
// the last step is expected to end the loop. Returns what `runModal` returned. The
// queue hands out a timer message only when no sent, posted or input message is
// waiting, so a step runs once everything the step before it set off in this thread
// has been handled, inside the innermost modal loop (a dialog it opened is shown).
INT_PTR RunInModalLoop(const std::function<INT_PTR()>& runModal,
                       std::vector<std::function<void()>> steps);

// Sends a key press (with Ctrl when asked) through the system's input queue.
void PressKey(WORD key, bool control = false);

std::string WindowText(HWND window);

} // namespace wintest

#include <gtest/gtest.h>

namespace wintest {

// Whether `shown` is a message box with exactly `text` and `caption` and the icon
// `icon` (one of the MB_ICON* values); says what differs.
testing::AssertionResult IsMessage(const ShownMessage& shown, const std::string& text,
                                   const std::string& caption, UINT icon);

} // namespace wintest
