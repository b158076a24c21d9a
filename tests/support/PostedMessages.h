// Messages that worker threads post to the main window, taken by a test on its own
// thread. The same test source runs natively (the framework's queue) and on
// Windows (a message-only window registered as the main window).
#pragma once

#include "framework/Types.h"

struct TestMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Call on the test's thread before anything posts; later calls do nothing.
void ReceivePostedMessagesHere();
// The oldest posted message, waiting at most timeoutMs; false when none came.
bool WaitPostedMessage(TestMessage& out, int timeoutMs);
// Wine does not report an ICMP port unreachable to a UDP socket.
bool RunningUnderWine();
