#pragma once
// The thin dialog framework shared by TBK42 and TBSetup: a dialog object owns its
// window, made from a resource template, modal or modeless. The static dialog
// procedure finds the object through DWLP_USER, bound at WM_INITDIALOG.
//
// Threads: a dialog belongs to the thread that made it (the UI thread). DoModal,
// Create, End and everything else on a dialog are for that thread only, and so is
// framework::Ui(). A worker thread talks to a window only by SendMessage to the window
// and its items (the modal loop serves sent messages while it waits for input), and
// ends a modal run with EndFromWorker. The UI thread never blocks waiting for a worker
// that sends to it: the worker would wait for the UI thread forever.
#include <windows.h>

#include <cstddef>
#include <vector>

namespace framework {

// The initial items of a drop-down list, filled in when the dialog is created.
struct ListItems {
    int controlId;
    const char* const* items;
    std::size_t count;
};

// The list items of control `id` from an array of texts.
template <class Texts> ListItems ListOf(int id, const Texts& texts) {
    return {id, texts.data(), texts.size()};
}

// An object other than the dialog that sees the dialog's messages before the dialog
// does (the icon menu takes WM_MEASUREITEM, WM_DRAWITEM and WM_MENUCHAR this way).
// Returns true when it answered the message, with `result` as the answer; the
// framework places the answer where Windows reads it, as for the dialog's handlers.
struct MessageHook {
    virtual bool OnHookedMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 LRESULT& result) = 0;

protected:
    ~MessageHook() = default;
};

class Dialog {
public:
    explicit Dialog(UINT templateId, HINSTANCE module = nullptr);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog modally in the framework's own loop (so that a dialog can see
    // every message first, for accelerators); returns the result given to End, or
    // -1 when the window could not be created. UI thread only.
    INT_PTR DoModal(HWND parent);
    // Creates the dialog modeless (a page is a child of its parent); null on failure.
    // UI thread only.
    HWND Create(HWND parent);
    // Ends a modal run with `result`, or destroys a modeless window. UI thread only.
    void End(INT_PTR value);
    // Ends the modal run of the dialog `window` with `result` from any thread: the
    // window's own thread calls End(result). Returns once the window has done so
    // (at once when `window` is gone).
    static void EndFromWorker(HWND window, INT_PTR result);

    // Hooks are consulted in the order they were added, before the dialog's own
    // handlers. A hook stays registered until it is removed; remove it before it dies.
    void AddMessageHook(MessageHook* hook);
    void RemoveMessageHook(MessageHook* hook);

    HWND Handle() const { return hwnd; }
    HWND Item(int id) const { return GetDlgItem(hwnd, id); }
    UINT TemplateId() const { return templateId; }

protected:
    // Called once the controls exist and the list items are filled in. Returning
    // TRUE lets the system set the default focus.
    virtual BOOL OnInitDialog() { return TRUE; }
    // OK button and Enter (command IDOK) of a top-level dialog; ends with IDOK.
    virtual void OnOK();
    // Cancel button and Escape (command IDCANCEL) and the close box (WM_CLOSE) of a
    // top-level dialog; ends with IDCANCEL. A dialog refuses to close by overriding
    // this without calling End.
    virtual void OnCancel();
    // Returns true when the command was handled. Unhandled commands that come from no
    // control (menu, accelerator or program commands) of a child dialog go to its
    // parent: that is how a page's data-check command reaches the main window.
    virtual bool OnCommand(int id, int code, HWND control);
    virtual bool OnNotify(NMHDR* header, LRESULT& result);
    // Any other message; returns true when handled, with `result` as the answer. The
    // framework returns the answer from the dialog procedure for the messages that
    // Windows reads that way (WM_CTLCOLOR*, WM_COMPAREITEM, WM_VKEYTOITEM,
    // WM_CHARTOITEM, WM_QUERYDRAGICON, WM_QUERYNEWPALETTE) and stores it in
    // DWLP_MSGRESULT for every other message.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    // Sees every message of the modal loop before the dialog navigation; returns
    // true when it consumed the message.
    virtual bool PreTranslateMessage(MSG&) { return false; }
    // List items of this dialog's drop-down lists, in template order.
    virtual const ListItems* InitialLists(std::size_t& count) const;

    // The ordinary handling of a command when the dialog does not take it.
    bool RouteToParent(int id, int code, HWND control);

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& answer);
    bool HandleCommand(int id, int code, HWND control);
    bool IsTopLevel() const;
    void FillInitialLists();
    void RunModalLoop();

    UINT templateId;
    HINSTANCE module;
    HWND hwnd = nullptr;
    bool modal = false;
    bool ended = false;
    INT_PTR result = -1;
    std::vector<MessageHook*> hooks;
};

} // namespace framework
