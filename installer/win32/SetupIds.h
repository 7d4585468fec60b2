#pragma once
// Resource ids of TBSetup (resources/tbsetup.rc and the program share them).
#define IDI_SETUP 128
#define IDD_FOLDER 102
#define IDD_PROGRESS 129
#define IDD_CONFIRM 130

#define IDC_INSTALL_PATH 1000
#define IDC_BROWSE 1001
#define IDC_HEADING 1002
#define IDC_PROGRESS_BAR 1003
#define IDC_PERCENT 1004
#define IDC_STATUS 1005
#define IDC_CONFIRM_LINE1 1007
#define IDC_CONFIRM_LINE2 1008

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
