// TBK42 entry point.
#include "app/CApp_Main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CApp_Main application;
    return application.Run();
}
