#include "ui/dialogs/MonitorKeys.h"

#include "res/resource.h"

BOOL TranslateMonitorKeys(HWND hWnd, MSG* pMsg)
{
    static const HACCEL hAccelerators = ::LoadAcceleratorsA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    return hAccelerators && ::TranslateAcceleratorA(hWnd, hAccelerators, pMsg);
}
