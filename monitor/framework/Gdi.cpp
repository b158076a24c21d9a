#include "Gdi.h"

#include "WinApp.h"

#include <commctrl.h>

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return Attach(::LoadBitmapA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(nIDResource)));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

CDC::~CDC()
{
    for (auto& previous : m_previous)
        previous->Detach();
    DeleteDC();
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    DeleteDC();
    m_hDC = ::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr);
    m_bOwnsMemoryDC = m_hDC != nullptr;
    return m_bOwnsMemoryDC;
}

BOOL CDC::DeleteDC()
{
    if (!m_bOwnsMemoryDC)
        return FALSE;
    m_bOwnsMemoryDC = false;
    HDC hDC = m_hDC;
    m_hDC = nullptr;
    return ::DeleteDC(hDC);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    ::FillRect(m_hDC, lpRect, hBrush);
    ::DeleteObject(hBrush);
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const
{
    CSize size;
    ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
    return size;
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }

CPaintDC::~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }

HFONT CBoldFont::Of(HWND hWnd)
{
    HFONT hFont = reinterpret_cast<HFONT>(::SendMessageA(hWnd, WM_GETFONT, 0, 0));
    if (m_font.m_hObject && m_hOf == hFont)
        return static_cast<HFONT>(m_font.m_hObject);
    m_font.DeleteObject();
    m_hOf = hFont;
    LOGFONTA font = {};
    if (::GetObjectA(hFont ? static_cast<HGDIOBJ>(hFont) : ::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font)) {
        font.lfWeight = FW_BOLD;
        m_font.CreateFontIndirect(&font);
    }
    return static_cast<HFONT>(m_font.m_hObject);
}

LRESULT CBoldFont::SelectInto(HDC hDC, HWND hWnd)
{
    HFONT hBold = hDC ? Of(hWnd) : nullptr;
    if (!hBold)
        return CDRF_DODEFAULT;
    ::SelectObject(hDC, hBold);
    return CDRF_NEWFONT;
}
