#pragma once
// The one polling loop of the Windows-side tests (in-process and e2e): every wait for a
// state that another thread or process brings about goes through it.
#include <windows.h>

namespace testwait {

const DWORD kPollMs = 20;

// Calls find() every kPollMs until it returns something true or the time is up; returns
// the last result.
template <typename Find> auto WaitFor(DWORD timeoutMs, Find find) -> decltype(find()) {
    const DWORD start = GetTickCount();
    for (;;) {
        auto found = find();
        if (found || GetTickCount() - start >= timeoutMs) return found;
        Sleep(kPollMs);
    }
}

} // namespace testwait
