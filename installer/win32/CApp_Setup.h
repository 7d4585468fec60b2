#pragma once
// TBSetup's start-up: common controls, one running copy per program name, the
// administrator check on the Windows NT family, then the folder dialog.
#include <windows.h>

#include <string>

namespace installer_win32 {

class CApp_Setup {
public:
    int Run();

private:
    // True when another copy of this program name runs (its folder dialog, if found,
    // has been brought forward). An uninstall run first waits a short while for the
    // hand-off run that started it to end; `marker` then holds the mutex it acquired.
    bool OtherCopyRuns(const std::string& name, HANDLE& marker);
    bool HasAdministratorRights();
};

} // namespace installer_win32
