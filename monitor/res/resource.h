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
#define IDD_FILTER_SERVERS 110
#define IDD_RECENT_SERVERS 111
#define IDD_PASSWORD 112
#define IDD_BUDDIES 113

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
// Drawn over a ping image: the server needs a password.
#define IDB_LOCK 150

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
// Controls of the Filter Servers, Recent Servers and Password Required windows
#define IDC_FILTER_EMPTY 1040
#define IDC_FILTER_FULL 1041
#define IDC_FILTER_PASSWORD 1042
#define IDC_FILTER_PING 1043
#define IDC_FILTER_TEXT 1044
#define IDC_RECENT_LIST 1045
#define IDC_RECENT_REMOVE 1046
#define IDC_PASSWORD_PROMPT 1047
#define IDC_PASSWORD_TEXT 1048
// Controls of the Buddies window
#define IDC_BUDDY_NAME 1049
#define IDC_BUDDY_LIST 1050
#define IDC_BUDDY_REMOVE 1051

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// System menu command of the about box; the low four bits are the system's own.
#define IDM_ABOUTBOX 0x0010
#define IDM_FINDPLAYER 0x0020
#define IDM_SERVERDETAILS 0x0030
#define IDM_FILTERSERVERS 0x0040
#define IDM_RECENTSERVERS 0x0050
#define IDM_JOINSPECTATOR 0x0060
#define IDM_BUDDIES 0x0070
#define IDM_WATCHFORGAMES 0x0080

// Keyboard command of the main dialog: Ctrl+C copies the focused list's selection.
#define ID_EDIT_COPY 0xE122
// The monitor's own commands, from keys and menu items (ID_MONITOR_FIRST to
// ID_MONITOR_LAST). Ctrl+F and Alt+Enter: the same as the system menu's items.
#define ID_MONITOR_FIRST 0x8010
#define ID_FIND_PLAYER 0x8010
#define ID_SERVER_DETAILS 0x8011
// Ctrl+E, Ctrl+H and Shift+Enter: Filter Servers, Recent Servers, Join as Spectator.
#define ID_FILTER_SERVERS 0x8020
#define ID_RECENT_SERVERS 0x8021
#define ID_JOIN_SPECTATOR 0x8022
// Ctrl+B: Buddies. A click on the notification-area icon or its notice: the
// window back, with the notice's server selected.
#define ID_BUDDIES 0x8023
#define ID_SHOW_NOTICED 0x8024
#define ID_MONITOR_LAST 0x80FF

#endif
