#include "MainWindow.h"

#include <atomic>

// Set on the GUI thread, read by the worker threads that post to it.
static std::atomic<HWND> g_hMainWnd{nullptr};

void AfxSetMainWndHandle(HWND hWnd)
{
    g_hMainWnd = hWnd;
}

HWND AfxGetMainWndHandle()
{
    return g_hMainWnd;
}
