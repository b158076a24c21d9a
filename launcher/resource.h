// Resource and control ids of kelvane-launcher.exe, shared by launcher.rc,
// Launcher.cpp and the window test.
#pragma once

#define IDI_LAUNCHER 1
#define IDB_BMPLOGO 111

// The controls of the launcher window.
#define IDC_LAUNCH 101
#define IDC_QUIT 102
#define IDC_ABOUT 103
#define IDC_PARAMS 104
#define IDC_WEBSITE 105
#define IDC_PARAMS_LABEL 106
#define IDC_VERSION 108
