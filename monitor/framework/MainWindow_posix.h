// The native build's stand-in for the main window's message queue: posted messages
// wait here until a test takes them.
#pragma once

#include "MainWindow.h"

struct PostedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Takes the oldest posted message, waiting at most timeoutMs; false when none came.
bool AfxWaitPostedMessage(PostedMessage& out, int timeoutMs);
