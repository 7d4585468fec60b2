// The dialog framework itself, on a plain template of the tests' own: where message
// answers go, OK/Cancel/close and a dialog that refuses them, message hooks, and a
// worker thread that talks to a modal dialog and ends it.
#include "framework/Dialog.h"
#include "framework/ProgramWindow.h"
#include "framework/System.h"
#include "tests/win/FrameworkTestIds.h"
#include "tests/win/UiScript.h"

#include <gtest/gtest.h>

namespace {

using Steps = std::vector<std::function<void()>>;

const UINT kQuestion = WM_APP + 7;
const INT_PTR kAnswer = 0x5A17;
// What a run returns when no step ended the dialog.
const INT_PTR kStillOpen = 0x0FEE;

class ProbeDialog : public framework::Dialog {
public:
    ProbeDialog() : Dialog(IDD_TEST_PROBE) {}
    bool refuseCancel = false;
    int oks = 0;
    int cancels = 0;

protected:
    void OnOK() override {
        ++oks;
        Dialog::OnOK();
    }
    void OnCancel() override {
        ++cancels;
        if (!refuseCancel) Dialog::OnCancel();
    }
    bool OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) override {
        if (message == kQuestion) {
            result = kAnswer;
            return true;
        }
        if (message == WM_CTLCOLORDLG) {
            result = reinterpret_cast<INT_PTR>(GetStockObject(GRAY_BRUSH));
            return true;
        }
        return false;
    }
};

struct AnsweringHook : framework::MessageHook {
    AnsweringHook(UINT message, LRESULT answer) : message(message), answer(answer) {}
    bool OnHookedMessage(HWND, UINT seenMessage, WPARAM, LPARAM, LRESULT& result) override {
        seen.push_back(seenMessage);
        if (seenMessage != message) return false;
        result = answer;
        return true;
    }
    bool Saw(UINT wanted) const {
        for (UINT one : seen) {
            if (one == wanted) return true;
        }
        return false;
    }
    UINT message;
    LRESULT answer;
    std::vector<UINT> seen;
};

// Runs `dialog` modally; `steps` run in its loop, and a last one ends a dialog that is
// still open with kStillOpen.
INT_PTR RunModal(ProbeDialog& dialog, Steps steps) {
    steps.push_back([] {}); // time for posted and typed input to arrive
    steps.push_back([&dialog] { dialog.End(kStillOpen); });
    return wintest::RunInModalLoop([&dialog] { return dialog.DoModal(nullptr); }, steps);
}

std::function<void()> Foreground(ProbeDialog& dialog) {
    return [&dialog] {
        SetForegroundWindow(dialog.Handle());
        SetFocus(dialog.Item(IDC_TEST_EDIT));
    };
}

std::function<void()> Click(ProbeDialog& dialog, int id) {
    return [&dialog, id] { SendMessageA(dialog.Item(id), BM_CLICK, 0, 0); };
}

std::function<void()> CloseBox(ProbeDialog& dialog) {
    return [&dialog] { PostMessageA(dialog.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); };
}

std::function<void()> Key(WORD key) {
    return [key] { wintest::PressKey(key); };
}

// Waits for `thread` to end while serving the messages it sends to this thread.
bool JoinServing(HANDLE thread) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 10000) {
        DWORD woke = MsgWaitForMultipleObjects(1, &thread, FALSE, 100, QS_SENDMESSAGE);
        if (woke == WAIT_OBJECT_0) return true;
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    }
    return false;
}

TEST(FrameworkTest, AnswersGoWhereWindowsReadsThem) {
    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    // An ordinary message's answer only reaches the sender through DWLP_MSGRESULT.
    EXPECT_EQ(kAnswer, SendMessageA(dialog.Handle(), kQuestion, 0, 0));
    // A colour message's answer is the dialog procedure's return value.
    HDC dc = GetDC(dialog.Handle());
    EXPECT_EQ(reinterpret_cast<LRESULT>(GetStockObject(GRAY_BRUSH)),
              SendMessageA(dialog.Handle(), WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(dialog.Handle())));
    ReleaseDC(dialog.Handle(), dc);
}

TEST(FrameworkTest, HooksAnswerBeforeTheDialogInTheOrderAdded) {
    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    HMENU popup = CreatePopupMenu();
    const LRESULT menuAnswer = MAKELRESULT(2, MNC_EXECUTE);
    auto menuChar = [&] {
        return SendMessageA(dialog.Handle(), WM_MENUCHAR, MAKEWPARAM('x', MF_POPUP),
                            reinterpret_cast<LPARAM>(popup));
    };
    ASSERT_NE(menuAnswer, menuChar());

    AnsweringHook menu(WM_MENUCHAR, menuAnswer);
    AnsweringHook first(kQuestion, 0x77);
    AnsweringHook second(kQuestion, 0x88);
    dialog.AddMessageHook(&menu);
    dialog.AddMessageHook(&first);
    dialog.AddMessageHook(&second);
    EXPECT_EQ(menuAnswer, menuChar());
    EXPECT_FALSE(first.Saw(WM_MENUCHAR));
    EXPECT_EQ(0x77, SendMessageA(dialog.Handle(), kQuestion, 0, 0));
    EXPECT_TRUE(menu.Saw(kQuestion));
    EXPECT_FALSE(second.Saw(kQuestion));

    dialog.RemoveMessageHook(&first);
    EXPECT_EQ(0x88, SendMessageA(dialog.Handle(), kQuestion, 0, 0));
    dialog.RemoveMessageHook(&second);
    dialog.RemoveMessageHook(&menu);
    EXPECT_EQ(kAnswer, SendMessageA(dialog.Handle(), kQuestion, 0, 0));
    EXPECT_NE(menuAnswer, menuChar());
    DestroyMenu(popup);
}

TEST(FrameworkTest, OkEnterCancelEscapeAndTheCloseBoxEndAPlainDialog) {
    struct Way {
        const char* name;
        std::function<std::function<void()>(ProbeDialog&)> action;
        INT_PTR result;
    };
    const Way ways[] = {
        {"OK button", [](ProbeDialog& d) { return Click(d, IDOK); }, IDOK},
        {"Enter", [](ProbeDialog&) { return Key(VK_RETURN); }, IDOK},
        {"Cancel button", [](ProbeDialog& d) { return Click(d, IDCANCEL); }, IDCANCEL},
        {"Escape", [](ProbeDialog&) { return Key(VK_ESCAPE); }, IDCANCEL},
        {"close box", [](ProbeDialog& d) { return CloseBox(d); }, IDCANCEL},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        ProbeDialog dialog;
        EXPECT_EQ(way.result, RunModal(dialog, {Foreground(dialog), way.action(dialog)}));
        EXPECT_EQ(way.result == IDOK ? 1 : 0, dialog.oks);
        EXPECT_EQ(way.result == IDCANCEL ? 1 : 0, dialog.cancels);
    }
}

TEST(FrameworkTest, ADialogRefusesEscapeAndTheCloseBoxUntilItAllowsThem) {
    ProbeDialog dialog;
    dialog.refuseCancel = true;
    auto allow = [&] {
        EXPECT_TRUE(IsWindowVisible(dialog.Handle()));
        EXPECT_EQ(2, dialog.cancels);
        dialog.refuseCancel = false;
    };
    Steps steps = {Foreground(dialog), Key(VK_ESCAPE), CloseBox(dialog), [] {}, allow,
                   CloseBox(dialog)};
    EXPECT_EQ(IDCANCEL, RunModal(dialog, steps));
    EXPECT_EQ(3, dialog.cancels);
}

struct Worker {
    HWND window;
    LRESULT answer = 0;
    static DWORD WINAPI Run(void* self) {
        auto* worker = static_cast<Worker*>(self);
        worker->answer = SendMessageA(worker->window, kQuestion, 0, 0);
        framework::Dialog::EndFromWorker(worker->window, 4242);
        return 0;
    }
};

TEST(FrameworkTest, AWorkerThreadGetsItsAnswerAndEndsTheModalRun) {
    ProbeDialog dialog;
    Worker worker;
    HANDLE thread = nullptr;
    auto start = [&] {
        worker.window = dialog.Handle();
        thread = CreateThread(nullptr, 0, Worker::Run, &worker, 0, nullptr);
    };
    // The worker has a few steps' time; a run it did not end returns kStillOpen.
    Steps steps = {start, [] {}, [] {}, [] {}, [] {}, [] {}, [] {}, [] {}, [] {}};
    INT_PTR result = RunModal(dialog, steps);
    ASSERT_TRUE(thread);
    EXPECT_TRUE(JoinServing(thread));
    CloseHandle(thread);
    EXPECT_EQ(4242, result);
    EXPECT_EQ(kAnswer, worker.answer);
    EXPECT_EQ(0, dialog.cancels);
}

TEST(FrameworkTest, RunningWindowsAgreesWithTheOlderVersionQuery) {
    framework::WindowsVersion version = framework::RunningWindows();
    DWORD packed = GetVersion(); // low byte major, next byte minor, top bit for 9x
    EXPECT_EQ(LOBYTE(LOWORD(packed)), version.major);
    EXPECT_EQ(HIBYTE(LOWORD(packed)), version.minor);
    EXPECT_EQ((packed & 0x80000000u) == 0, version.IsNt());
    EXPECT_EQ(version.IsNt(), version.platformId == 2u);
}

} // namespace

TEST(FrameworkTest, ProgramIconAndBringingAMinimisedCopyToTheFront) {
    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    HICON big = LoadIconA(nullptr, IDI_APPLICATION), small = LoadIconA(nullptr, IDI_WARNING);
    framework::ProgramIcon icon(big, small);
    dialog.AddMessageHook(&icon);
    icon.Apply(dialog.Handle());
    auto asked = [&](UINT message, WPARAM which) {
        return reinterpret_cast<HICON>(SendMessageA(dialog.Handle(), message, which, 0));
    };
    EXPECT_EQ(big, asked(WM_GETICON, ICON_BIG));
    EXPECT_EQ(small, asked(WM_GETICON, ICON_SMALL));
    EXPECT_EQ(big, asked(WM_QUERYDRAGICON, 0));
    ShowWindow(dialog.Handle(), SW_MINIMIZE);
    EXPECT_TRUE(framework::BringToFront("Probe"));
    EXPECT_FALSE(IsIconic(dialog.Handle()));
    EXPECT_FALSE(framework::BringToFront(""));
    dialog.RemoveMessageHook(&icon);
}
