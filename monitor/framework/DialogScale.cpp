// CDialog's display scaling (Dialog.h).
#include "Dialog.h"

#include "dpi/DpiArt.h"

namespace {
// Pixels per 4 dialog units across and per 8 down for a font, as the dialog manager
// works them out: the average width of the letters, and the height.
SIZE DialogBaseUnits(HFONT hFont)
{
    SIZE units = {0, 0};
    HDC hdc = ::GetDC(nullptr);
    if (!hdc)
        return units;
    HGDIOBJ hOld = ::SelectObject(hdc, hFont);
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE extent;
    TEXTMETRICA tm;
    if (::GetTextExtentPoint32A(hdc, kLetters, 52, &extent) && ::GetTextMetricsA(hdc, &tm)) {
        units.cx = (extent.cx / 26 + 1) / 2;
        units.cy = tm.tmHeight;
    }
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(nullptr, hdc);
    return units;
}

// Every child moved and sized: x positions and widths through fx, y positions and
// heights through fy.
template <typename Fx, typename Fy>
void MoveChildren(HWND hWnd, Fx fx, Fy fy)
{
    for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        RECT rc;
        ::GetWindowRect(hChild, &rc);
        ::MapWindowPoints(nullptr, hWnd, reinterpret_cast<POINT*>(&rc), 2);
        ::SetWindowPos(hChild, nullptr, fx(rc.left), fy(rc.top), fx(rc.right - rc.left), fy(rc.bottom - rc.top),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

bool IsClass(HWND hWnd, const char* pszClass)
{
    char szClass[32] = "";
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    return lstrcmpiA(szClass, pszClass) == 0;
}

int IconWidth(HICON hIcon)
{
    ICONINFO info;
    if (!hIcon || !::GetIconInfo(hIcon, &info))
        return 0;
    BITMAP bm = {};
    ::GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return bm.bmWidth;
}
} // namespace

// At WM_INITDIALOG, before the dialog's own initialisation sees the controls.
void CDialog::BeginDisplayScale()
{
    // Where the system would move and size the controls by itself on a DPI change
    // (Windows 10 on), the dialog does it instead, the same on every system.
    typedef BOOL(WINAPI * SetDialogDpiChangeBehaviorFn)(HWND, int, int);
    const int kDisableResizeAndRelayout = 0x2 | 0x4; // DDC_DISABLE_RESIZE, DDC_DISABLE_CONTROL_RELAYOUT
    static const SetDialogDpiChangeBehaviorFn pfn = reinterpret_cast<SetDialogDpiChangeBehaviorFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), "SetDialogDpiChangeBehavior")));
    if (pfn)
        pfn(m_hWnd, kDisableResizeAndRelayout, kDisableResizeAndRelayout);

    m_nDpi = WindowDpi(m_hWnd);
    if (m_nDpi != BASE_DPI)
        LayOutInProportion();
    ScaleIcons();
}

// The layout comes from dialog units, that is from the font, and a font's letters do
// not grow in step with the DPI: at 200 % the layout could come out smaller than
// twice the 96-DPI one, too small for pictures twice their size. So every control
// and the window take their 96-DPI places, measured in the font as the dialog
// manager makes it at 96 DPI, times DPI/96.
void CDialog::LayOutInProportion()
{
    RECT rcUnits = {0, 0, 4, 8};
    ::MapDialogRect(m_hWnd, &rcUnits);
    HFONT hFont96 = CreatePointFontAtDpi(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)), m_nDpi, BASE_DPI);
    if (!hFont96)
        return;
    const SIZE at96 = DialogBaseUnits(hFont96);
    ::DeleteObject(hFont96);
    if (rcUnits.right <= 0 || rcUnits.bottom <= 0 || at96.cx <= 0 || at96.cy <= 0)
        return;
    auto fx = [&](int x) { return ScaleToDpi(DialogLengthAtUnit(x, rcUnits.right, at96.cx, 4), m_nDpi); };
    auto fy = [&](int y) { return ScaleToDpi(DialogLengthAtUnit(y, rcUnits.bottom, at96.cy, 8), m_nDpi); };
    MoveChildren(m_hWnd, fx, fy);
    RECT rcClient, rcWindow;
    ::GetClientRect(m_hWnd, &rcClient);
    ::GetWindowRect(m_hWnd, &rcWindow);
    const int nFrameX = (rcWindow.right - rcWindow.left) - rcClient.right;
    const int nFrameY = (rcWindow.bottom - rcWindow.top) - rcClient.bottom;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, fx(rcClient.right) + nFrameX, fy(rcClient.bottom) + nFrameY,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CDialog::OnDpiChanged(WPARAM wParam, LPARAM lParam)
{
    const int nOldDpi = m_nDpi;
    const int dpi = HIWORD(wParam);
    const bool bChanged = dpi > 0 && dpi != nOldDpi;
    if (bChanged) {
        m_nDpi = dpi;
        auto scale = [&](int n) { return ScaleBetweenDpis(n, nOldDpi, dpi); };
        MoveChildren(m_hWnd, scale, scale);
        ScaleFont(nOldDpi);
        ScaleIcons();
    }
    if (const RECT* pSuggested = reinterpret_cast<const RECT*>(lParam)) {
        ::SetWindowPos(m_hWnd, nullptr, pSuggested->left, pSuggested->top, pSuggested->right - pSuggested->left,
                       pSuggested->bottom - pSuggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!bChanged)
        return 0;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (IsClass(hChild, WC_LISTVIEWA) && (::GetWindowLongA(hChild, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT)
            ScaleListColumns(hChild, nOldDpi);
    }
    OnDpiScaled(nOldDpi);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return 0;
}

void CDialog::OnDpiScaled(int) {}

void CDialog::ScaleListColumns(HWND hList, int nOldDpi)
{
    HWND hHeader = reinterpret_cast<HWND>(::SendMessageA(hList, LVM_GETHEADER, 0, 0));
    const int nColumns = hHeader ? static_cast<int>(::SendMessageA(hHeader, HDM_GETITEMCOUNT, 0, 0)) : 0;
    for (int i = 0; i < nColumns; ++i) {
        const int nWidth = static_cast<int>(::SendMessageA(hList, LVM_GETCOLUMNWIDTH, i, 0));
        ::SendMessageA(hList, LVM_SETCOLUMNWIDTH, i, MAKELPARAM(ScaleBetweenDpis(nWidth, nOldDpi, m_nDpi), 0));
    }
}

// The controls that show the dialog's font get it anew at the new DPI, made from its
// point size as the dialog manager made it.
void CDialog::ScaleFont(int nOldDpi)
{
    HFONT hOld = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HFONT hNew = CreatePointFontAtDpi(hOld, nOldDpi, m_nDpi);
    if (!hNew)
        return;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (reinterpret_cast<HFONT>(::SendMessageA(hChild, WM_GETFONT, 0, 0)) == hOld)
            ::SendMessageA(hChild, WM_SETFONT, reinterpret_cast<WPARAM>(hNew), FALSE);
    }
    // The dialog manager's own font stays with it, which deletes it with the window.
    m_font.DeleteObject();
    m_font.Attach(hNew);
}

LRESULT CDialog::OnGetFont(WPARAM, LPARAM)
{
    return m_font.GetSafeHandle() ? reinterpret_cast<LRESULT>(m_font.GetSafeHandle()) : Default();
}

// The dialog manager loads a static icon at the system's icon size, the size for
// the screen's DPI; a window at another DPI shows it at that size times the ratio.
// Set again, the icon sizes its control to itself, which the layout has moved and sized.
void CDialog::ScaleIcons()
{
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (!IsClass(hChild, "Static") || (::GetWindowLongA(hChild, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            continue;
        auto it = m_icons.begin();
        while (it != m_icons.end() && it->hControl != hChild)
            ++it;
        if (it == m_icons.end()) {
            HICON hLoaded = reinterpret_cast<HICON>(::SendMessageA(hChild, STM_GETICON, 0, 0));
            if (!hLoaded)
                continue;
            it = m_icons.insert(m_icons.end(), CScaledIcon{hChild, hLoaded, nullptr});
        }
        const int nLoaded = IconWidth(it->hLoaded);
        const int nSize = ScaleBetweenDpis(nLoaded, SystemDpi(), m_nDpi);
        HICON hOldScaled = it->hScaled;
        if (nSize != IconWidth(hOldScaled ? hOldScaled : it->hLoaded)) {
            HICON hScaled = nSize == nLoaded ? nullptr
                                             : static_cast<HICON>(::CopyImage(it->hLoaded, IMAGE_ICON, nSize, nSize,
                                                                              LR_COPYFROMRESOURCE));
            if (hScaled || nSize == nLoaded)
                it->hScaled = hScaled;
        }
        ::SendMessageA(hChild, STM_SETICON, reinterpret_cast<WPARAM>(it->hScaled ? it->hScaled : it->hLoaded), 0);
        if (hOldScaled && hOldScaled != it->hScaled)
            ::DestroyIcon(hOldScaled);
    }
}

LRESULT CDialog::OnNcDestroy(WPARAM, LPARAM)
{
    LRESULT result = Default();
    ReleaseScaledObjects();
    return result;
}

void CDialog::ReleaseScaledObjects()
{
    for (const CScaledIcon& icon : m_icons) {
        if (icon.hScaled)
            ::DestroyIcon(icon.hScaled);
    }
    m_icons.clear();
    m_font.DeleteObject();
    m_nDpi = BASE_DPI;
}
