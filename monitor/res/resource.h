// Resource ids of varnok.exe, shared by varnok.rc and the code.
#ifndef VARNOK_RESOURCE_H
#define VARNOK_RESOURCE_H

// Dialogs and strings
#define IDD_ABOUTBOX 100
#define IDD_VARNOK_DIALOG 102
#define IDP_SOCKETS_INIT_FAILED 103
#define IDD_FIND_PLAYER 104
#define IDD_SERVER_DETAILS 105
#define IDD_WAIT_FOR_SLOT 106

// Icon and bitmaps
#define IDR_MAINFRAME 128
#define IDB_LOGO 129
#define IDB_PING_GREEN 134
#define IDB_PING_RED 135
#define IDB_PING_ORANGE 136
#define IDB_PING_DEAD 137
#define IDB_BANNER1 142
#define IDB_BANNER2 143
#define IDB_BANNER3 144
#define IDB_BANNER4 145

// Controls of the main dialog (and 1012 of the about box)
#define IDC_STATUS 1000
#define IDC_SERVER_LIST 1001
#define IDC_PLAYER_LIST 1002
#define IDC_JOIN_SERVER 1003
#define IDC_VISIT_WEBSITE 1004
#define IDC_REFRESH_LIST 1005
#define IDC_ADD_SERVER 1006
#define IDC_PROGRESS 1007
#define IDC_THREADS1 1008
#define IDC_THREADS3 1009
#define IDC_THREADS7 1010
#define IDC_NEWS_TICKER 1011
#define IDC_BUILD 1012
#define IDC_LIST_MODE 1013
#define IDC_BANNER1 1014
#define IDC_BANNER2 1015
#define IDC_BANNER3 1016
#define IDC_BANNER4 1017
#define IDC_LOGO 1019
// Controls of the Find Player, Server Details and free-slot windows
#define IDC_FIND_TEXT 1030
#define IDC_FIND_MATCHES 1031
#define IDC_DETAILS_PAIRS 1032
#define IDC_DETAILS_PLAYERS 1033
#define IDC_DETAILS_NOTE 1034
#define IDC_WAIT_SERVER 1035
#define IDC_WAIT_COUNT 1036

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// System menu command of the about box; the low four bits are the system's own.
#define IDM_ABOUTBOX 0x0010
#define IDM_FINDPLAYER 0x0020
#define IDM_SERVERDETAILS 0x0030

// Keyboard command of the main dialog: Ctrl+C copies the focused list's selection.
#define ID_EDIT_COPY 0xE122
// The monitor's own commands, from keys and menu items (ID_MONITOR_FIRST to
// ID_MONITOR_LAST). Ctrl+F and Alt+Enter: the same as the system menu's items.
#define ID_MONITOR_FIRST 0x8010
#define ID_FIND_PLAYER 0x8010
#define ID_SERVER_DETAILS 0x8011
#define ID_MONITOR_LAST 0x80FF

#endif
