// The monitor's keys (the accelerator table IDR_MAINFRAME: F5, Ctrl+C, Ctrl+F,
// Alt+Enter), for its main window and the windows over it.
#pragma once

#include "framework/Framework.h"

// TRUE when the message was one of the keys, sent on to hWnd as its command.
BOOL TranslateMonitorKeys(HWND hWnd, MSG* pMsg);
