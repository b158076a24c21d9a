// Resource ids of kelvane-launcher.exe, shared by launcher.rc and Launcher.cpp.
#pragma once

#define IDI_LAUNCHER 1
#define IDB_BMPLOGO 111
