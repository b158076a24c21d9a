#include "PostedMessages.h"

#include "framework/MainWindow.h"

void ReceivePostedMessagesHere()
{
    if (AfxGetMainWndHandle())
        return;
    HWND hWnd = CreateWindowExA(0, "STATIC", "posted messages", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    AfxSetMainWndHandle(hWnd);
}

bool WaitPostedMessage(TestMessage& out, int timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        if (PeekMessageA(&msg, AfxGetMainWndHandle(), 0, 0, PM_REMOVE)) {
            out = {msg.message, msg.wParam, msg.lParam};
            return true;
        }
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= static_cast<DWORD>(timeoutMs))
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed, QS_POSTMESSAGE);
    }
}

bool RunningUnderWine()
{
    HMODULE hNtdll = GetModuleHandleA("ntdll.dll");
    return hNtdll && GetProcAddress(hNtdll, "wine_get_version");
}
