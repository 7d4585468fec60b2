// TBK42 entry point.
#include "app/CApp_Main.h"
#include "framework/System.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    framework::SearchSystemFolderOnly();
    CApp_Main application;
    return application.Run();
}
