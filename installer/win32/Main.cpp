// TBSetup entry point.
#include "framework/System.h"
#include "installer/win32/CApp_Setup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    framework::SearchSystemFolderOnly();
    installer_win32::CApp_Setup application;
    return application.Run();
}
