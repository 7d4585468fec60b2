#include "installer/win32/CApp_Setup.h"

#include "framework/ProgramWindow.h"
#include "framework/System.h"
#include "installer/SetupRules.h"
#include "installer/win32/Messages.h"
#include "installer/win32/CDlg_Folder.h"
#include "installer/win32/SetupSystem.h"
#include "installer/win32/Texts.h"

#include <commctrl.h>
#include <objbase.h>
#include <winsvc.h>

namespace installer_win32 {

namespace {

constexpr DWORD kHandOffWaitMs = 10000;

bool IsUninstallRun() {
    char* line = GetCommandLineA();
    auto dispatch = installer::ParseCommandLine(line ? line : "");
    for (installer::RunSwitch run : dispatch.switches) {
        if (run == installer::RunSwitch::Uninstall) return true;
    }
    return false;
}

} // namespace

bool CApp_Setup::OtherCopyRuns(const std::string& name, HANDLE& marker) {
    HANDLE running = OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, name.c_str());
    if (!running) return false;
    if (IsUninstallRun()) {
        // The hand-off run ends right after starting this one; an abandoned mutex
        // counts as free. Once acquired it marks this run.
        DWORD waited = WaitForSingleObject(running, kHandOffWaitMs);
        if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) {
            marker = running;
            return false;
        }
    }
    CloseHandle(running);
    framework::BringToFront(ReadTitleOnly().c_str());
    return true;
}

bool CApp_Setup::HasAdministratorRights() {
    // Looked up at run time: the service control manager exists only on Windows NT.
    HMODULE advapi = framework::LoadSystemLibrary("advapi32.dll");
    if (!advapi) return false;
    using Open = SC_HANDLE(WINAPI*)(LPCSTR, LPCSTR, DWORD);
    using Close = BOOL(WINAPI*)(SC_HANDLE);
    auto open =
        reinterpret_cast<Open>(reinterpret_cast<void*>(GetProcAddress(advapi, "OpenSCManagerA")));
    auto close = reinterpret_cast<Close>(
        reinterpret_cast<void*>(GetProcAddress(advapi, "CloseServiceHandle")));
    SC_HANDLE manager = open && close ? open(nullptr, nullptr, SC_MANAGER_ALL_ACCESS) : nullptr;
    if (manager) close(manager);
    FreeLibrary(advapi);
    return manager != nullptr;
}

int CApp_Setup::Run() {
    InitCommonControls();
    // The folder browser and the shell links use the component library.
    CoInitialize(nullptr);
    std::string name = ProgramName();
    HANDLE marker = nullptr;
    if (OtherCopyRuns(name, marker)) return 0;
    if (!marker) marker = CreateMutexA(nullptr, TRUE, name.c_str());
    if (framework::RunningWindows().IsNt() && !HasAdministratorRights()) {
        Tell(nullptr, texts::kInstallerCaption, messages::kNoRights);
    } else {
        CDlg_Folder dialog;
        dialog.DoModal(nullptr);
    }
    if (marker) {
        ReleaseMutex(marker);
        CloseHandle(marker);
    }
    return 0;
}

} // namespace installer_win32
