// Bitmap resource ids of TBK42's toolbar, tab and menu images (see tbk42_art.rc).
#pragma once

// Strips of 16x16 images
#define IDB_TOOLBAR 150  // load, save, receive, send, factory, printer
#define IDB_TABS 168     // function selection, memory switch, parameters, spare

// Menu images, one 16x16 image each
#define IDB_MENU_LOAD 160
#define IDB_MENU_SAVE 161
#define IDB_MENU_SEND 162
#define IDB_MENU_FACTORY 163
#define IDB_MENU_PRINTER 164
#define IDB_MENU_PARAM 165
#define IDB_MENU_MSW 166
#define IDB_MENU_SELECT 167
#define IDB_MENU_RECEIVE 169
