// The main window's captions.
#pragma once

#include "framework/CString.h"

#define MONITOR_TITLE "Kelvane Monitor..."

// "Kelvane Monitor..." followed by the totals of the listed rows and the view's name.
CString TotalsCaption(int nServers, int nPlayers, int nListMode);
CString PollingCaption();
