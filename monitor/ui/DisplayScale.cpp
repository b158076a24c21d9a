#include "ui/MonitorDlg.h"

#include "dpi/DpiArt.h"
#include "dpi/DpiScale.h"

namespace {
const UINT kPingBitmaps[] = {IDB_PING_GREEN, IDB_PING_ORANGE, IDB_PING_RED, IDB_PING_DEAD};

struct PictureControl {
    int nControl;
    UINT nBitmap;
    int cx, cy; // at 96 DPI
};
const PictureControl kPictures[] = {
    {IDC_LOGO, IDB_LOGO, 98, 373},
    {IDC_BANNER1, IDB_BANNER1, 30, 30},
    {IDC_BANNER2, IDB_BANNER2, 30, 30},
    {IDC_BANNER3, IDB_BANNER3, 30, 30},
    {IDC_BANNER4, IDB_BANNER4, 30, 30},
};

// Pixels per 4 horizontal and per 8 vertical dialog units for a font at a DPI, as
// the dialog manager works them out: the average width of the letters and the height.
SIZE DialogBaseUnits(HFONT hFont, int nFontDpi, int dpi)
{
    SIZE units = {0, 0};
    HFONT hScaled = CreateFontAtDpi(hFont, nFontDpi, dpi);
    HDC hdc = GetDC(NULL);
    if (hScaled && hdc) {
        HGDIOBJ hOld = SelectObject(hdc, hScaled);
        static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        SIZE extent;
        TEXTMETRICA tm;
        if (GetTextExtentPoint32A(hdc, kLetters, 52, &extent) && GetTextMetricsA(hdc, &tm)) {
            units.cx = (extent.cx / 26 + 1) / 2;
            units.cy = tm.tmHeight;
        }
        SelectObject(hdc, hOld);
    }
    if (hdc)
        ReleaseDC(NULL, hdc);
    if (hScaled)
        DeleteObject(hScaled);
    return units;
}

// One length of the layout made at the current base units, as the 96-DPI layout
// has it, taken to dpi.
int Relaid(int n, int nNow, int n96, int dpi)
{
    return ScaleToDpi(MulDiv(n, n96, nNow), dpi);
}

// Every child of the window moved and sized: x positions and widths through fx,
// y positions and heights through fy.
template <typename Fx, typename Fy>
void MoveChildren(HWND hWnd, Fx fx, Fy fy)
{
    for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        RECT rc;
        ::GetWindowRect(hChild, &rc);
        ::MapWindowPoints(NULL, hWnd, reinterpret_cast<POINT*>(&rc), 2);
        ::SetWindowPos(hChild, nullptr, fx(rc.left), fy(rc.top), fx(rc.right - rc.left), fy(rc.bottom - rc.top),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
}
} // namespace

// The dialog's layout comes from dialog units, that is from its font, and a font's
// letters do not grow in step with the DPI: at 200 % the layout could come out
// smaller than twice the 96-DPI one, too small for pictures twice their size.
// So, away from 96 DPI, every control and the window take their 96-DPI places
// times DPI/96. The system keeps this in proportion when the DPI changes later.
void CMonitorDlg::LayOutInProportion(int dpi)
{
    RECT rcUnits = {0, 0, 4, 8};
    MapDialogRect(m_hWnd, &rcUnits);
    SIZE now = {rcUnits.right, rcUnits.bottom};
    SIZE at96 = DialogBaseUnits(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)), dpi, BASE_DPI);
    if (now.cx <= 0 || now.cy <= 0 || at96.cx <= 0 || at96.cy <= 0)
        return;
    auto fx = [&](int x) { return Relaid(x, now.cx, at96.cx, dpi); };
    auto fy = [&](int y) { return Relaid(y, now.cy, at96.cy, dpi); };
    MoveChildren(m_hWnd, fx, fy);
    RECT rcClient, rcWindow;
    ::GetClientRect(m_hWnd, &rcClient);
    ::GetWindowRect(m_hWnd, &rcWindow);
    int nFrameX = (rcWindow.right - rcWindow.left) - rcClient.right;
    int nFrameY = (rcWindow.bottom - rcWindow.top) - rcClient.bottom;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, fx(rcClient.right) + nFrameX, fy(rcClient.bottom) + nFrameY,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMonitorDlg::FillPingImages(CImageList& images, int dpi, int nSize)
{
    images.Create(nSize, nSize, ILC_COLORDDB, 4, 4);
    for (UINT nBitmap : kPingBitmaps) {
        CBitmap bitmap;
        bitmap.Attach(LoadArt(AfxGetInstanceHandle(), nBitmap, dpi, nSize, nSize));
        images.Add(&bitmap, RGB(0, 0, 0));
    }
}

// Pictures, ping icons and the ticker at a DPI (the controls' places are set by
// LayOutInProportion and OnDpiChanged).
void CMonitorDlg::ApplyDisplayScale(int dpi)
{
    if (dpi == m_nDpi)
        return;
    m_nDpi = dpi;

    int nIconSize = SmallIconSize(dpi);
    CImageList* pImages = new CImageList;
    FillPingImages(*pImages, dpi, nIconSize);
    // The list lets go of the old images before they are destroyed.
    m_listServers.SetImageList(pImages, LVSIL_SMALL);
    delete m_pImageList;
    m_pImageList = pImages;

    for (const PictureControl& picture : kPictures) {
        HBITMAP hBitmap = LoadArt(AfxGetInstanceHandle(), picture.nBitmap, dpi, ScaleToDpi(picture.cx, dpi),
                                  ScaleToDpi(picture.cy, dpi));
        if (!hBitmap)
            continue;
        // The control takes the picture's size; the one it showed is ours to free.
        HGDIOBJ hOld = reinterpret_cast<HGDIOBJ>(
            ::SendDlgItemMessageA(m_hWnd, picture.nControl, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
        if (hOld)
            ::DeleteObject(hOld);
    }
    m_ticker.SetDpi(dpi);
}

// The system would move and size the controls by itself on a DPI change, on
// systems that do, and leave them on others: the dialog does it, the same everywhere.
void CMonitorDlg::KeepLayoutOnDpiChange()
{
    typedef BOOL(WINAPI * SetDialogDpiChangeBehaviorFn)(HWND, int, int);
    const int kDisableResizeAndRelayout = 0x2 | 0x4; // DDC_DISABLE_RESIZE, DDC_DISABLE_CONTROL_RELAYOUT
    SetDialogDpiChangeBehaviorFn pfn = reinterpret_cast<SetDialogDpiChangeBehaviorFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "SetDialogDpiChangeBehavior")));
    if (pfn)
        pfn(m_hWnd, kDisableResizeAndRelayout, kDisableResizeAndRelayout);
}

LRESULT CMonitorDlg::OnDpiChanged(WPARAM wParam, LPARAM lParam)
{
    int dpi = HIWORD(wParam);
    auto scale = [&](int n) { return MulDiv(n, dpi, m_nDpi); };
    MoveChildren(m_hWnd, scale, scale);
    if (const RECT* pSuggested = reinterpret_cast<const RECT*>(lParam)) {
        ::SetWindowPos(m_hWnd, nullptr, pSuggested->left, pSuggested->top, pSuggested->right - pSuggested->left,
                     pSuggested->bottom - pSuggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ApplyDisplayScale(dpi);
    m_listServers.ScaleColumns(dpi);
    m_listPlayers.ScaleColumns(dpi);
    return 0;
}
