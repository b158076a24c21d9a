// The application's main window as the worker threads see it: a target for posted
// completion messages. On Windows a message goes to the window registered here;
// in the native build it goes into a queue that tests pump.
#pragma once

#include "Types.h"

// Registers the window that receives posted messages (null to forget it).
void AfxSetMainWndHandle(HWND hWnd);
HWND AfxGetMainWndHandle();

// Posts without waiting for the window; FALSE when there is no window to post to
// (Windows) or never (native queue).
BOOL AfxPostToMainWnd(UINT message, WPARAM wParam, LPARAM lParam);

#ifndef _WIN32
// Native build only: takes the oldest posted message, waiting at most timeoutMs.
struct PostedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
bool AfxWaitPostedMessage(PostedMessage& out, int timeoutMs);
#endif
