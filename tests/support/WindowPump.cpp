#include "WindowPump.h"

#include <windows.h>

namespace {

void DispatchPending()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // leave it to the loop that owns it
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The innermost run; its timers find it here.
struct ModalScript {
    const std::function<void()>* pScript = nullptr;
    UINT_PTR startTimer = 0;
    UINT_PTR guardTimer = 0;
    bool bStarted = false;
    bool bFinished = false;
};
ModalScript* g_pRun = nullptr;

// The framework's dialogs run a loop of their own, which only their EndDialog ends.
BOOL CALLBACK EndThreadDialog(HWND hWnd, LPARAM)
{
    char szClass[16] = "";
    GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (lstrcmpA(szClass, "#32770") != 0)
        return TRUE;
    if (CDialog* pDialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd)))
        pDialog->EndDialog(IDABORT);
    else
        EndDialog(hWnd, IDABORT);
    return TRUE;
}

void CALLBACK OnModalTimer(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    ModalScript* pRun = g_pRun;
    if (!pRun)
        return;
    if (idEvent == pRun->guardTimer) {
        KillTimer(nullptr, pRun->guardTimer);
        EnumThreadWindows(GetCurrentThreadId(), EndThreadDialog, 0);
        return;
    }
    if (idEvent != pRun->startTimer || pRun->bStarted)
        return;
    KillTimer(nullptr, pRun->startTimer);
    pRun->bStarted = true;
    (*pRun->pScript)();
    pRun->bFinished = true;
}

} // namespace

void PumpMessagesFor(int ms)
{
    PumpUntil([] { return false; }, ms);
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        DispatchPending();
        if (done())
            return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= static_cast<DWORD>(timeoutMs))
            return false;
        const DWORD left = static_cast<DWORD>(timeoutMs) - elapsed;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, left < 10 ? left : 10, QS_ALLINPUT);
    }
}

bool RunInsideModalLoop(const std::function<void()>& startModal, const std::function<void()>& script, int timeoutMs)
{
    ModalScript run;
    run.pScript = &script;
    ModalScript* pOuter = g_pRun;
    g_pRun = &run;
    run.startTimer = SetTimer(nullptr, 0, 1, OnModalTimer);
    run.guardTimer = SetTimer(nullptr, 0, static_cast<UINT>(timeoutMs), OnModalTimer);
    startModal();
    KillTimer(nullptr, run.startTimer);
    KillTimer(nullptr, run.guardTimer);
    g_pRun = pOuter;
    return run.bFinished;
}

INT_PTR RunModal(CDialog& dialog, const std::function<void(CDialog&)>& script, int timeoutMs)
{
    INT_PTR result = -1;
    RunInsideModalLoop([&] { result = dialog.DoModal(); },
                       [&] {
                           script(dialog);
                           // EndDialog hides the window at once; a visible one is still open.
                           if (dialog.m_hWnd && IsWindowVisible(dialog.m_hWnd))
                               dialog.EndDialog(IDABORT);
                       },
                       timeoutMs);
    return result;
}

CString TextOf(HWND hWnd) { return AfxGetWindowText(hWnd); }

void ClickButton(HWND hDialog, int nID) { SendMessageA(GetDlgItem(hDialog, nID), BM_CLICK, 0, 0); }

LRESULT SendCommand(HWND hDialog, int nID, UINT nCode)
{
    return SendMessageA(hDialog, WM_COMMAND, MAKEWPARAM(nID, nCode), reinterpret_cast<LPARAM>(GetDlgItem(hDialog, nID)));
}
