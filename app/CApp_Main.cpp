#include "app/CApp_Main.h"

#include "app/CDlg_Main.h"
#include "app/Texts.h"
#include "framework/DataExchange.h"
#include "framework/ProgramWindow.h"
#include "framework/System.h"
#include "printer/win32/Spooler.h"
#include "text/Path.h"

#include <commctrl.h>

int CApp_Main::Run() {
    InitInstance();
    return 0;
}

std::string CApp_Main::ApplicationName() {
    return path::FileTitle(framework::ModulePath());
}

bool CApp_Main::ActivateRunningCopy(const std::string& name) {
    HANDLE running = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name.c_str());
    if (!running) return false;
    framework::BringToFront(kMainWindowTitle);
    CloseHandle(running);
    return true;
}

bool CApp_Main::InitInstance() {
    InitCommonControls();
    std::string name = ApplicationName();
    if (ActivateRunningCopy(name)) return false;
    // Marks this copy as running until the process ends; without it the program runs
    // unprotected.
    HANDLE marker = CreateMutexA(nullptr, TRUE, name.c_str());
    // The main window's first question is the printer: the spooler starts meanwhile.
    printer::PrefetchUsablePrinters(printer::CurrentFamily());
    // The system draws dialog controls in 3-D for a program marked for Windows 4.0, as
    // this one is, so there is no 3-D subclassing library to turn on.
    framework::SetMessageTitle(kMessageTitle);
    {
        CDlg_Main mainWindow;
        mainWindow.DoModal(nullptr);
    }
    if (marker) CloseHandle(marker);
    return false;
}
