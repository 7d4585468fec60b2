#pragma once
// The application object: prepares the common controls, keeps to one running copy per
// executable name and runs the main window.
#include <windows.h>

#include <string>

class CApp_Main {
public:
    // Runs the program; the process then ends with the framework's normal exit code.
    int Run();
    // The executable's file name without folder and extension.
    static std::string ApplicationName();

private:
    // Returns false: the main window's modal run is the whole life of the program.
    bool InitInstance();
    // Brings a running copy's main window to the front; true when a copy runs.
    bool ActivateRunningCopy(const std::string& name);
};
