#pragma once
// What both programs do with their top-level dialog window: bring the window of a copy
// that already runs to the front, and show the program's icon.
#include "framework/Dialog.h"

namespace framework {

// Restores and brings to the front the top-level dialog window titled `title`; false
// when there is none (or the title is empty).
bool BringToFront(const char* title);

// A window's program icon, added to its dialog as a message hook: Apply makes it the
// window's big and small icon; while the window is minimised its paint draws the big
// one in the middle of the client area, which is also the drag icon.
class ProgramIcon : public MessageHook {
public:
    ProgramIcon(HICON big, HICON small) : big(big), small(small) {}
    void Apply(HWND window) const;
    bool OnHookedMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT& result) override;

private:
    HICON big;
    HICON small;
};

} // namespace framework
