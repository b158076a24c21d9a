#include "MainWindow.h"

BOOL AfxPostToMainWnd(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = AfxGetMainWndHandle();
    return hWnd && PostMessageA(hWnd, message, wParam, lParam);
}
