// TBSetup entry point.
#include "installer/win32/CApp_Setup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    installer_win32::CApp_Setup application;
    return application.Run();
}
