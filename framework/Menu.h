#pragma once
// The framework's menu wrapper: owns one menu handle (destroyed with the object unless
// it was let go) and offers the operations for owner-drawn items.
#include <windows.h>

namespace framework {

class CMenu {
public:
    CMenu() = default;
    virtual ~CMenu() {
        if (handle) ::DestroyMenu(handle);
    }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    virtual void DrawItem(DRAWITEMSTRUCT*) {}
    virtual void MeasureItem(MEASUREITEMSTRUCT*) {}

    HMENU Handle() const { return handle; }
    void Attach(HMENU menu) { handle = menu; }
    // Lets go of the handle without destroying it (a window that uses it as its menu
    // destroys it with itself).
    HMENU Detach() {
        HMENU menu = handle;
        handle = nullptr;
        return menu;
    }

private:
    HMENU handle = nullptr;
};

} // namespace framework
