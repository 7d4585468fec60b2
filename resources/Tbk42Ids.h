// Resource and command ids of TBK42, shared by the .rc files and the code.
#pragma once

// Dialog templates
#define IDD_MAIN 102
#define IDD_PAGE_MSW1 129
#define IDD_PAGE_MSW2 130
#define IDD_PAGE_MSW3 131
#define IDD_PAGE_MSW4 132
#define IDD_PAGE_PARAM 133
#define IDD_PAGE_SELECT 134
#define IDD_PRINTER 152
#define IDD_FORMAT 182

// Menu, accelerators, icon
#define IDR_MAIN 142
#define IDI_PROGRAM 128

// Main window controls
#define IDC_TAB 1000
#define IDC_TOOLBAR 2016
#define IDC_STATUSBAR 2016

// Menu commands
#define ID_ABOUT 16
#define ID_PAGE_SELECT 32771
#define ID_PAGE_MSW1 32773
#define ID_PAGE_MSW2 32778
#define ID_PAGE_MSW3 32779
#define ID_PAGE_MSW4 32780
#define ID_FILE_LOAD 32781
#define ID_FILE_SAVE 32782
#define ID_EXIT 32783
#define ID_SEND 32784
#define ID_FACTORY 32785
#define ID_CHOOSE_PRINTER 32798
#define ID_PAGE_PARAM 32801
#define ID_RECEIVE 32803
#define ID_DATA_CHECK 32805
#define ID_HELP_CONTENTS 32806

// Toolbar buttons (their tool tips are the strings of the same ids)
#define ID_TB_LOAD 2000
#define ID_TB_SAVE 2001
#define ID_TB_RECEIVE 2002
#define ID_TB_SEND 2003
#define ID_TB_FACTORY 2004
#define ID_TB_PRINTER 2005

