#include "PostedMessages.h"

#include "framework/MainWindow_posix.h"

void ReceivePostedMessagesHere()
{
}

bool WaitPostedMessage(TestMessage& out, int timeoutMs)
{
    PostedMessage posted;
    if (!AfxWaitPostedMessage(posted, timeoutMs))
        return false;
    out = {posted.message, posted.wParam, posted.lParam};
    return true;
}

bool RunningUnderWine()
{
    return false;
}
