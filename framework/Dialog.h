#pragma once
// The thin dialog framework shared by TBK42 and TBSetup: a dialog object owns its
// window, made from a resource template, modal or modeless. The static dialog
// procedure finds the object through DWLP_USER, bound at WM_INITDIALOG.
#include <windows.h>

#include <cstddef>

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

class Dialog {
public:
    explicit Dialog(UINT templateId, HINSTANCE module = nullptr);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog modally in the framework's own loop (so that a dialog can see
    // every message first, for accelerators); returns the result given to End, or
    // -1 when the window could not be created.
    INT_PTR DoModal(HWND parent);
    // Creates the dialog modeless (a page is a child of its parent); null on failure.
    HWND Create(HWND parent);
    // Ends a modal run with `result`, or destroys a modeless window.
    void End(INT_PTR value);

    HWND Handle() const { return hwnd; }
    HWND Item(int id) const { return GetDlgItem(hwnd, id); }
    UINT TemplateId() const { return templateId; }

protected:
    // Called once the controls exist and the list items are filled in. Returning
    // TRUE lets the system set the default focus.
    virtual BOOL OnInitDialog() { return TRUE; }
    // Returns true when the command was handled. Unhandled commands that come from no
    // control (menu, accelerator or program commands) of a child dialog go to its
    // parent: that is how a page's data-check command reaches the main window.
    virtual bool OnCommand(int id, int code, HWND control);
    virtual bool OnNotify(NMHDR* header, LRESULT& result);
    // Any other message; returns true when handled, with `result` as the answer.
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
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void FillInitialLists();
    void RunModalLoop();

    UINT templateId;
    HINSTANCE module;
    HWND hwnd = nullptr;
    bool modal = false;
    bool ended = false;
    INT_PTR result = -1;
};

} // namespace framework
