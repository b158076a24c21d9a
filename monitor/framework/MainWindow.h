// The application's main window as the worker threads see it: a target for posted
// completion messages. On Windows a message goes to the window registered here;
// in the native build it goes into a queue that tests pump.
#pragma once

#include "Types.h"

// Registers the window that receives posted messages (null to forget it).
void AfxSetMainWndHandle(HWND hWnd);
HWND AfxGetMainWndHandle();

// Posts without waiting for the window; FALSE when there is no window to post to
// (Windows) or never (native queue, MainWindow_posix.h).
BOOL AfxPostToMainWnd(UINT message, WPARAM wParam, LPARAM lParam);
